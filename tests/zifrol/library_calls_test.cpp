// Calls A of libzifrol.so as an outside caller does: the library is loaded at
// run time and every argument is a counted text.
#include "zifrol.h"

#include <QByteArray>
#include <QTest>

#include <barrier>
#include <cstdint>
#include <cstring>
#include <dlfcn.h>
#include <iterator>
#include <numeric>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using CounterStep = decltype(&A);

const QByteArray kRaisedConversionError = "raised: Invalid variant type conversion";

// A text in the counted form the callers pass: a 32-bit length in the four
// bytes before the first character and a NUL after the last. The block has
// exactly that size, so the sanitizers catch a read outside it.
class CountedText {
public:
    explicit CountedText(const QByteArray &text)
        : m_block(sizeof(std::uint32_t) + text.size() + 1)
    {
        const auto length = static_cast<std::uint32_t>(text.size());
        std::memcpy(m_block.data(), &length, sizeof length);
        std::memcpy(chars(), text.constData(), length);
    }
    char *chars() { return m_block.data() + sizeof(std::uint32_t); }
    // Replaces five digits with five others, the count staying as it is.
    void setDigits(const QByteArray &digits) { std::memcpy(chars(), digits.constData(), 5); }
    const std::vector<char> &block() const { return m_block; }

private:
    std::vector<char> m_block;
};

// n as the five digits A counts in.
QByteArray fiveDigits(int n) { return QByteArray::number(n).rightJustified(5, '0'); }

// What a call gave: its result text, or "raised: " and the message of the
// error it ended with.
QByteArray outcomeOf(CounterStep step, const char *text)
{
    try {
        return step(text);
    } catch (const std::runtime_error &error) {
        return QByteArray("raised: ") + error.what();
    }
}

} // namespace

class LibraryCallsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void advancesCounter_data();
    void advancesCounter();
    void advancesEveryValue();
    void rejectsNonDigits_data();
    void rejectsNonDigits();
    void rejectsNullArgument();
    void keepsResultPerThread();
    void threadsCallAtOnce();

private:
    void *m_library = nullptr;
    CounterStep m_step = nullptr;
};

void LibraryCallsTest::initTestCase()
{
    m_library = dlopen(ZIFROL_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    QVERIFY2(m_library, dlerror());
    m_step = reinterpret_cast<CounterStep>(dlsym(m_library, "A"));
    QVERIFY2(m_step, "libzifrol.so has no symbol A");
}

void LibraryCallsTest::cleanupTestCase()
{
    if (m_library)
        QCOMPARE(dlclose(m_library), 0);
}

void LibraryCallsTest::advancesCounter_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("plain step") << QByteArray("12345") << QByteArray("12346");
    QTest::newRow("from zero") << QByteArray("00000") << QByteArray("00001");
    QTest::newRow("carry over two digits") << QByteArray("12399") << QByteArray("12400");
    QTest::newRow("carry into the first digit") << QByteArray("09999") << QByteArray("10000");
    QTest::newRow("wrap after 99999") << QByteArray("99999") << QByteArray("00000");
    QTest::newRow("only five characters count") << QByteArray("123456789") << QByteArray("12346");
    QTest::newRow("anything after the fifth") << QByteArray("12345 x?") << QByteArray("12346");
}

void LibraryCallsTest::advancesCounter()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    CountedText argument(text);
    const std::vector<char> before = argument.block();

    QCOMPARE(outcomeOf(m_step, argument.chars()), expected);
    QVERIFY2(argument.block() == before, "A changed its argument");
}

void LibraryCallsTest::advancesEveryValue()
{
    CountedText argument("00000");
    for (int n = 0; n < 100000; ++n) {
        argument.setDigits(fiveDigits(n));
        const char *result = m_step(argument.chars());
        if (fiveDigits((n + 1) % 100000) != result)
            QFAIL(qPrintable(QStringLiteral("%1 gave %2").arg(n).arg(result)));
    }
}

void LibraryCallsTest::rejectsNonDigits_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("letter in the middle") << QByteArray("12a45");
    QTest::newRow("blank as fifth") << QByteArray("1234 ");
    QTest::newRow("four digits, the NUL is fifth") << QByteArray("1234");
    QTest::newRow("two digits") << QByteArray("12");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("leading blank") << QByteArray(" 2345");
    QTest::newRow("sign") << QByteArray("-1234");
    QTest::newRow("just below '0'") << QByteArray("/2345");
    QTest::newRow("just above '9'") << QByteArray("1234:");
    QTest::newRow("high byte") << QByteArray("12\xb9" "45");
    QTest::newRow("NUL inside") << QByteArray("12\0" "45", 5);
}

void LibraryCallsTest::rejectsNonDigits()
{
    QFETCH(QByteArray, text);
    CountedText previous("41999");
    const char *previousResult = m_step(previous.chars());
    CountedText argument(text);

    QCOMPARE(outcomeOf(m_step, argument.chars()), kRaisedConversionError);
    QCOMPARE(QByteArray(previousResult), QByteArray("42000"));
}

void LibraryCallsTest::rejectsNullArgument()
{
    QCOMPARE(outcomeOf(m_step, nullptr), kRaisedConversionError);
}

// Each thread's result stays as it was while another thread calls A.
void LibraryCallsTest::keepsResultPerThread()
{
    std::barrier turns(2);
    QByteArray firstAfterSecond;
    QByteArray secondResult;
    std::thread first([&] {
        CountedText text("11111");
        const char *result = m_step(text.chars());
        turns.arrive_and_wait(); // the second thread calls now
        turns.arrive_and_wait();
        firstAfterSecond = result;
    });
    std::thread second([&] {
        CountedText text("22222");
        turns.arrive_and_wait();
        secondResult = m_step(text.chars());
        turns.arrive_and_wait();
    });
    first.join();
    second.join();

    QCOMPARE(firstAfterSecond, QByteArray("11112"));
    QCOMPARE(secondResult, QByteArray("22223"));
}

void LibraryCallsTest::threadsCallAtOnce()
{
    constexpr int kThreads = 4;
    constexpr int kCalls = 50000;
    int mismatches[kThreads] = {};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            CountedText argument("00000");
            for (int i = 0; i < kCalls; ++i) {
                const int n = (t * 25000 + i) % 100000;
                argument.setDigits(fiveDigits(n));
                if (fiveDigits((n + 1) % 100000) != m_step(argument.chars()))
                    ++mismatches[t];
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();

    QCOMPARE(std::accumulate(std::begin(mismatches), std::end(mismatches), 0), 0);
}

QTEST_GUILESS_MAIN(LibraryCallsTest)
#include "library_calls_test.moc"
