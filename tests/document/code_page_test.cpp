#include "document/code_page.h"
#include "document/failure.h"
#include "document/file_bytes.h"

#include <QTest>

using namespace tgx;

// Code page 1250 and the bytes of document files.
class CodePageTest : public QObject {
    Q_OBJECT

private slots:
    void everyByteSurvivesDecodingAndEncoding()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = CodePage1250::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(CodePage1250::firstUnencodable(text), -1);
        QCOMPARE(CodePage1250::encode(text), all);
    }

    void czechLettersMapToTheirBytes_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<int>("byte");
        QTest::newRow("Ž") << QStringLiteral("Ž") << 0x8E;
        QTest::newRow("š") << QStringLiteral("š") << 0x9A;
        QTest::newRow("ě") << QStringLiteral("ě") << 0xEC;
        QTest::newRow("ů") << QStringLiteral("ů") << 0xF9;
        QTest::newRow("Č") << QStringLiteral("Č") << 0xC8;
        QTest::newRow("no-break space") << QStringLiteral("\u00A0") << 0xA0;
        QTest::newRow("euro") << QStringLiteral("€") << 0x80;
        QTest::newRow("undefined 0x98 keeps its value") << QStringLiteral("\u0098") << 0x98;
    }

    void czechLettersMapToTheirBytes()
    {
        QFETCH(QString, character);
        QFETCH(int, byte);
        QCOMPARE(CodePage1250::firstUnencodable(character), -1);
        QCOMPARE(CodePage1250::encode(character), QByteArray(1, char(byte)));
        QCOMPARE(CodePage1250::decode(QByteArray(1, char(byte))), character);
    }

    void charactersOutsideTheCodePageAreFound()
    {
        QCOMPARE(CodePage1250::firstUnencodable(u"abc"), -1);
        QCOMPARE(CodePage1250::firstUnencodable(u"ab€ř→x"), 4);
        QCOMPARE(CodePage1250::firstUnencodable(u"\u0430"), 0); // Cyrillic a
        QCOMPARE(CodePage1250::firstUnencodable(u"x\u00E0"), 1); // à is not in 1250
    }

    void lineEndsAreReadInEveryForm_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringLiteral("a\nb\n");
        QTest::newRow("LF") << QByteArray("a\nb\n") << QStringLiteral("a\nb\n");
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringLiteral("a\nb\n");
        QTest::newRow("mixed") << QByteArray("a\r\rb\n\r\nc") << QStringLiteral("a\n\nb\n\nc");
        QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QStringLiteral("a\n\nb");
        QTest::newRow("only CR") << QByteArray("\r\r\r") << QStringLiteral("\n\n\n");
        QTest::newRow("empty") << QByteArray() << QString();
    }

    void lineEndsAreReadInEveryForm()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(FileBytes::toText(bytes), text);
    }

    void textIsWrittenWithCrLf()
    {
        QCOMPARE(FileBytes::fromText(u"Zelto ŽST Hutky\n\nx"), QByteArray("Zelto \x8EST Hutky\r\n\r\nx"));
        QCOMPARE(FileBytes::fromText(QString(30, u'\n')), QByteArray("\r\n").repeated(30));
    }

    void aCharacterOutsideTheCodePageFailsNamingItsLine()
    {
        try {
            FileBytes::fromText(u"první\ndruhý\ntřetí → čtvrtý\n");
            QFAIL("text with an arrow was encoded");
        } catch (const Failure &failure) {
            QVERIFY2(failure.description().contains(QStringLiteral("Řádek 3")), qPrintable(failure.description()));
            QVERIFY(failure.description().contains(QStringLiteral("„→“")));
            QVERIFY(failure.description().contains(QStringLiteral("U+2192")));
        }
    }
};

QTEST_GUILESS_MAIN(CodePageTest)
#include "code_page_test.moc"
