#include "document/failure.h"
#include "document/header_rules.h"

#include <QTest>

using namespace tgx;

// The header lines that opening and saving check and stamp.
class HeaderRulesTest : public QObject {
    Q_OBJECT

private slots:
    void editorStampIsReadAsVersionAndName_data()
    {
        QTest::addColumn<QString>("line4");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("name");
        QTest::newRow("own stamp") << QStringLiteral("20TGX editor 2.0") << 20 << QStringLiteral("TGX editor 2.0");
        QTest::newRow("newer") << QStringLiteral("21TGX editor 2.1") << 21 << QStringLiteral("TGX editor 2.1");
        QTest::newRow("leading zero") << QStringLiteral("05Old") << 5 << QStringLiteral("Old");
        QTest::newRow("version only") << QStringLiteral("99") << 99 << QString();
        QTest::newRow("one digit") << QStringLiteral("7") << 7 << QString();
    }

    void editorStampIsReadAsVersionAndName()
    {
        QFETCH(QString, line4);
        QFETCH(int, version);
        QFETCH(QString, name);
        const auto stamp = HeaderRules::readEditorStamp(line4);
        QVERIFY(stamp.has_value());
        QCOMPARE(stamp->version, version);
        QCOMPARE(stamp->writerName, name);
    }

    void emptyLine4CarriesNoStamp()
    {
        QVERIFY(!HeaderRules::readEditorStamp(u"").has_value());
        QCOMPARE(HeaderRules::saveVersionQuestion(u""), QString());
    }

    void aVersionThatIsNoNumberFailsWithTheConversionError_data()
    {
        QTest::addColumn<QString>("line4");
        QTest::newRow("letters") << QStringLiteral("TGX editor");
        QTest::newRow("digit and letter") << QStringLiteral("2xTGX");
        QTest::newRow("blank first") << QStringLiteral(" 2TGX");
        QTest::newRow("sign") << QStringLiteral("-1TGX");
        QTest::newRow("one letter") << QStringLiteral("x");
    }

    void aVersionThatIsNoNumberFailsWithTheConversionError()
    {
        QFETCH(QString, line4);
        try {
            HeaderRules::openWarnings(QStringLiteral("/a.46g"), u"num-code", line4);
            QFAIL("no failure");
        } catch (const Failure &failure) {
            QCOMPARE(failure.description(), QStringLiteral("Invalid variant type conversion"));
        }
        QVERIFY_THROWS_EXCEPTION(Failure, HeaderRules::saveVersionQuestion(line4));
    }

    void openWarnsAboutANewerEditorAndAForeignEncoding()
    {
        const QStringList warnings = HeaderRules::openWarnings(QStringLiteral("/data/plan.46g"), u"NUM-CODE",
                                                               u"21TGX editor 3.0");
        QCOMPARE(warnings.size(), 2);
        QCOMPARE(warnings[0], QStringLiteral("/data/plan.46g\r\rUPOZORNĚNÍ!  Tento soubor je vytvořen v programu "
                                             "TGX editor 3.0, který je novější, než tato verze programu. Soubor se "
                                             "proto nemusí zobrazit správně."));
        QCOMPARE(warnings[1], QStringLiteral("/data/plan.46g\r\rUPOZORNĚNÍ!  Tento soubor obsahuje grafikon v "
                                             "kódování NUM-CODE, které tento program neumí přečíst. Soubor se proto "
                                             "nemusí zobrazit správně."));
    }

    void openWarningsFollowTheVersionAndTheMarker_data()
    {
        QTest::addColumn<QString>("line3");
        QTest::addColumn<QString>("line4");
        QTest::addColumn<int>("warnings");
        QTest::newRow("own file") << QStringLiteral("num-code") << QStringLiteral("20TGX editor 2.0") << 0;
        QTest::newRow("older editor") << QStringLiteral("num-code") << QStringLiteral("19Old") << 0;
        QTest::newRow("newer editor") << QStringLiteral("num-code") << QStringLiteral("21New") << 1;
        QTest::newRow("empty marker warns") << QString() << QString() << 1;
        QTest::newRow("capital marker warns") << QStringLiteral("NUM-CODE") << QString() << 1;
    }

    void openWarningsFollowTheVersionAndTheMarker()
    {
        QFETCH(QString, line3);
        QFETCH(QString, line4);
        QFETCH(int, warnings);
        QCOMPARE(HeaderRules::openWarnings(QStringLiteral("p"), line3, line4).size(), warnings);
    }

    void saveAsksAboutANewerEditorAndAForeignEncoding()
    {
        QCOMPARE(HeaderRules::saveVersionQuestion(u"21Nový editor"),
                 QStringLiteral("UPOZORNĚNÍ! Soubor, který chcete uložit, je vytvořen v programu Nový editor, který "
                                "je novější, než tato verze programu. Soubor se proto nemusí uložit správně. Chcete "
                                "soubor přesto uložit?"));
        QCOMPARE(HeaderRules::saveEncodingQuestion(u"NUM-CODE"),
                 QStringLiteral("UPOZORNĚNÍ! Soubor, který chcete uložit, obsahuje grafikon v kódování NUM-CODE, "
                                "které tento program neumí přečíst. Soubor se proto nemusí uložit správně. Chcete "
                                "soubor přesto uložit?"));
        QCOMPARE(HeaderRules::saveVersionQuestion(u"20TGX editor 2.0"), QString());
        QCOMPARE(HeaderRules::saveEncodingQuestion(u"num-code"), QString());
        QCOMPARE(HeaderRules::saveEncodingQuestion(u""), QString()); // a new document asks nothing
    }

    void writerNameAndTrainCount()
    {
        QCOMPARE(HeaderRules::writerName(u"20TGX editor 2.0"), QStringLiteral("TGX editor 2.0"));
        QCOMPARE(HeaderRules::writerName(u"20"), QString());
        QCOMPARE(HeaderRules::writerName(u"2"), QString());
        QCOMPARE(HeaderRules::trainCountText(30), QStringLiteral("0"));
        QCOMPARE(HeaderRules::trainCountText(33), QStringLiteral("3"));
        QCOMPARE(HeaderRules::trainCountText(3), QStringLiteral("-27"));
    }
};

QTEST_GUILESS_MAIN(HeaderRulesTest)
#include "header_rules_test.moc"
