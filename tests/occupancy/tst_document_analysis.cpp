#include "document/failure.h"
#include "occupancy/document_analysis.h"
#include "timetable_records.h"

#include <QTest>

using namespace tgx;
using tgx::test::record;

// One decoding of a document for both the train list and the plan.
class DocumentAnalysisTest : public QObject {
    Q_OBJECT

private slots:
    void listsAsTheTrainListDoes_data();
    void listsAsTheTrainListDoes();
    void plansRecordsAfterTheListStops();
};

void DocumentAnalysisTest::listsAsTheTrainListDoes_data()
{
    QTest::addColumn<QStringList>("document");

    const QString good = record("04521", "1 0705 0712", "1", "2 0713 0740", "18", u'1', "pozn");
    QTest::newRow("records and empty lines")
        << test::timetable(test::kHutky, {good, "", record("00002", "-", "2", "2 0800 0830"), ""});
    QTest::newRow("a bad number stops the list")
        << test::timetable(test::kHutky, {good, record("0x002", "-", "2", "2 0800 0830"), good});
    QTest::newRow("short lines are listed as they stand") << test::timetable(test::kHutky, {"18045", good});
    QTest::newRow("a bad time does not stop the list")
        << test::timetable(test::kHutky, {record("00001", "1 2561 0712", "1", "2 0713 0740"), good});
    QTest::newRow("no records") << test::timetable(test::kVrbinov, {});
    QTest::newRow("a short header") << QStringList{"", test::kHutky, "num-code"};
}

void DocumentAnalysisTest::listsAsTheTrainListDoes()
{
    QFETCH(QStringList, document);
    TrainList expected;
    std::optional<QString> expectedFailure;
    try {
        decodeTrainList(document, expected);
    } catch (const Failure &failure) {
        expectedFailure = failure.description();
    }
    const DocumentAnalysis analysis = analyseDocument(document);
    QCOMPARE(analysis.list.summaries(), expected.summaries());
    QCOMPARE(analysis.list.lines, expected.lines);
    QCOMPARE(analysis.listFailure, expectedFailure);
    QCOMPARE(test::findingLines(analysis.plan), test::findingLines(planDocument(document)));
}

void DocumentAnalysisTest::plansRecordsAfterTheListStops()
{
    const QStringList document = test::timetable(
        test::kHutky, {record("00001", "1 0700 0710", "1", "2 0712 0740"), record("0x002", "-", "2", "2 0800 0830"),
                       record("00003", "1 0702 0712", "1", "2 0715 0745")});
    const DocumentAnalysis analysis = analyseDocument(document);
    QCOMPARE(analysis.listFailure, QStringLiteral("Řádek 32: „0x002“ není číslo vlaku."));
    QCOMPARE(analysis.list.lines, QList<int>{31});
    QCOMPARE(test::findingLines(analysis.plan),
             (QStringList{"32: záznam vlaku nelze přečíst: „0x002“ na pozicích 3–7 není číslo vlaku",
                          "33: kolize na koleji 1: Os 3 07:12–07:15 a Os 1 07:10–07:12 (řádek 31)"}));
}

QTEST_GUILESS_MAIN(DocumentAnalysisTest)
#include "tst_document_analysis.moc"
