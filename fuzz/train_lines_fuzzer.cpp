// Repeating, sorting and finding over any lines of text. Repeating a line
// fails, with the repeat's own description, exactly for a line shorter than
// 31 characters, with a train number that is not digits, or with a run (a
// block not starting or ending here) whose times are not times of day; else
// it gives copy 1 to count, each the line itself but for the number, stepped
// and zero-filled, and the times of its runs, moved by the interval round the
// clock; or, exactly when a number would leave 0 to 99999, no copies. Sorting
// the lines as a document keeps its empty lines in place and orders the others
// stably by their time in the own station, lines without one last. Finding
// gives the first line from the current one on, round the end, that holds
// the text.

#include "fuzz_support.h"

#include "document/header_lines.h"
#include "editing/train_find.h"
#include "editing/train_repeat.h"
#include "editing/train_sort.h"
#include "trains/record_layout.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

using namespace tgx;
using fuzz::require;

namespace {

constexpr int kDay = 24 * 60;
constexpr int kLinesRepeated = 8; // each gives up to 99 copies

std::optional<int> timeAt(QStringView line, RecordField hour, RecordField minute)
{
    const auto h = fuzz::positions(line, hour.position, hour.width);
    const auto m = fuzz::positions(line, minute.position, minute.width);
    if (!h || !m || !fuzz::isDigits(*h) || !fuzz::isDigits(*m) || h->toInt() > 23 || m->toInt() > 59)
        return std::nullopt;
    return h->toInt() * 60 + m->toInt();
}

// The block is a run to or from a neighbour, not a start or end here.
bool isRun(QStringView line, const BlockFields &block)
{
    return line.size() >= block.code.position && line[block.code.position - 1] != u'0';
}

bool repeatable(QStringView line)
{
    if (line.size() < 31 || !fuzz::isDigits(line.mid(2, 5)))
        return false;
    if (!fuzz::isDigits(line.mid(kArrivalBlock.code.position - 1, 1))
        || !fuzz::isDigits(line.mid(kDepartureBlock.code.position - 1, 1)))
        return false; // a neighbour code that is no digit
    for (const BlockFields *block : {&kArrivalBlock, &kDepartureBlock}) {
        if (isRun(line, *block) && (!timeAt(line, block->departureHour, block->departureMinute)
                                    || !timeAt(line, block->arrivalHour, block->arrivalMinute)))
            return false;
    }
    return true;
}

void moveTime(QString &line, RecordField hour, RecordField minute, int minutes)
{
    const int time = (*timeAt(line, hour, minute) + minutes) % kDay;
    line.replace(hour.position - 1, 2, QString::number(time / 60).rightJustified(2, u'0'));
    line.replace(minute.position - 1, 2, QString::number(time % 60).rightJustified(2, u'0'));
}

QString expectedCopy(QStringView line, int number, int minutes)
{
    QString copy = line.toString();
    copy.replace(2, 5, QString::number(number).rightJustified(5, u'0'));
    for (const BlockFields *block : {&kArrivalBlock, &kDepartureBlock}) {
        if (isRun(line, *block)) {
            moveTime(copy, block->departureHour, block->departureMinute, minutes);
            moveTime(copy, block->arrivalHour, block->arrivalMinute, minutes);
        }
    }
    return copy;
}

void checkRepeat(QStringView line, const RepeatSettings &settings)
{
    const fuzz::ExactText exact(line);
    RepeatedTrains repeated;
    try {
        repeated = repeatTrain(exact.view(), settings);
    } catch (const Failure &failure) {
        require(failure.description().startsWith(u"Záznam vlaku nelze opakovat: "), "a failure of another kind");
        require(!repeatable(line), "a repeatable line fails");
        return;
    }
    require(repeatable(line), "a line that cannot be repeated gives copies");
    const int number = line.mid(2, 5).toInt();
    const int last = number + settings.count * settings.numberStep;
    const bool inRange = number + settings.numberStep >= 0 && number + settings.numberStep <= 99999 && last >= 0
                         && last <= 99999;
    require(repeated.numberOutOfRange == !inRange, "the number range is judged wrongly");
    require(repeated.copies.size() == (inRange ? settings.count : 0), "a wrong number of copies");
    for (int k = 1; k <= repeated.copies.size(); ++k) {
        const QString expected = expectedCopy(line, number + k * settings.numberStep, k * settings.interval % kDay);
        require(repeated.copies[k - 1] == expected, "a copy differs from the line moved and renumbered");
    }
}

int sortKey(QStringView line)
{
    if (line.size() < 31)
        return kDay;
    const BlockFields &block = isRun(line, kArrivalBlock) ? kArrivalBlock : kDepartureBlock;
    if (!isRun(line, block))
        return kDay;
    const auto time = &block == &kArrivalBlock ? timeAt(line, block.arrivalHour, block.arrivalMinute)
                                               : timeAt(line, block.departureHour, block.departureMinute);
    return time.value_or(kDay);
}

void checkSort(const QStringList &document)
{
    const QStringList records = document.mid(HeaderLine::FirstTrain - 1);
    QList<std::pair<int, QString>> keyed;
    for (const QString &line : records) {
        if (!line.isEmpty())
            keyed.append({sortKey(line), line});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList expected;
    auto next = keyed.cbegin();
    for (const QString &line : records)
        expected << (line.isEmpty() ? line : (next++)->second);
    require(recordLinesByTime(document) == expected, "the lines are not in the order of their times");
}

void checkFind(const QStringList &lines, const QString &text, int from)
{
    const int found = findTrain(lines, text, from);
    const qsizetype count = lines.size();
    const qsizetype start = from >= 0 && from < count ? from : 0;
    qsizetype expected = -1;
    for (qsizetype step = 0; !text.isEmpty() && step < count && expected < 0; ++step) {
        if (lines[(start + step) % count].contains(text, Qt::CaseInsensitive))
            expected = (start + step) % count;
    }
    require(found == expected, "not the first line from the current one on that holds the text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const RepeatSettings settings{in.ConsumeIntegralInRange(1, 99), in.ConsumeIntegralInRange(1, kDay - 1),
                                  in.ConsumeIntegralInRange(-9999, 9999)};
    const int from = in.ConsumeIntegralInRange(-2, 40);
    const QString text = QString::fromStdString(in.ConsumeRandomLengthString(8));
    const QStringList lines = QString::fromStdString(in.ConsumeRemainingBytesAsString()).split(u'\n');

    for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), kLinesRepeated); ++i)
        checkRepeat(lines[i], settings);
    checkSort(QStringList(HeaderLine::Count) + lines);
    checkSort(lines);
    checkFind(lines, text, from);
    return 0;
}
