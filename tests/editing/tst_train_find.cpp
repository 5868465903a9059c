#include "editing/train_find.h"

#include <QTest>

using namespace tgx;

namespace {

const QStringList kSummaries = {
    QStringLiteral("Os 4521 - Zálesí - 07:05 - 07:12 - 1.kol - Vrbinov - 07:13 - 07:40"),
    QStringLiteral("R 700 - ( výchozí ) - 2.kol - Vrbinov - 08:00 - 08:20"),
    QStringLiteral("Os 4523 - Zálesí - 09:05 - 09:12 - 1.kol - ( končící ) - Pozor"),
    QStringLiteral("Lv 45 - Vrbinov - 10:00 - 10:20 - 0.kol - Zálesí - průjezd - 10:45"),
};

} // namespace

// Finding a train in the summary lines of the list.
class TrainFindTest : public QObject {
    Q_OBJECT

private slots:
    void findsFromTheCurrentTrainRoundTheEnd_data()
    {
        QTest::addColumn<QStringList>("summaries");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("found");

        QTest::newRow("the current train itself") << kSummaries << "Os 45" << 2 << 2;
        QTest::newRow("the next one on") << kSummaries << "Vrbinov" << 1 << 1;
        QTest::newRow("past the current one") << kSummaries << "Os 45" << 1 << 2;
        QTest::newRow("round the end") << kSummaries << "Os 45" << 3 << 0;
        QTest::newRow("from past the end") << kSummaries << "R 700" << 4 << 1;
        QTest::newRow("without a current train") << kSummaries << "Pozor" << -1 << 2;
        QTest::newRow("one line finds itself again") << QStringList{"Os 1"} << "Os" << 1 << 0;
        QTest::newRow("case ignored") << kSummaries << "zálesí - 09" << 0 << 2;
        QTest::newRow("capitals ignored") << kSummaries << "VÝCHOZÍ" << 0 << 1;
        QTest::newRow("accents as typed") << kSummaries << "Zalesi" << 0 << -1;
        QTest::newRow("accent where there is none") << kSummaries << "Vrbínov" << 0 << -1;
        QTest::newRow("nowhere") << kSummaries << "Sp 1" << 0 << -1;
        QTest::newRow("empty text") << kSummaries << "" << 0 << -1;
        QTest::newRow("empty list") << QStringList{} << "Os" << 0 << -1;
    }

    void findsFromTheCurrentTrainRoundTheEnd()
    {
        QFETCH(QStringList, summaries);
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, found);

        QCOMPARE(findTrain(summaries, text, from), found);
    }
};

QTEST_GUILESS_MAIN(TrainFindTest)
#include "tst_train_find.moc"
