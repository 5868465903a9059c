#include "document/failure.h"
#include "editing/train_drag.h"
#include "timetable_records.h"

#include <QTest>

using namespace tgx;
using namespace tgx::test;

// A train dragged in time: the whole minutes the mouse has moved, the label
// it carries and the record it leaves behind.
class TrainDragTest : public QObject {
    Q_OBJECT

private slots:
    void theDragCountsWholeMinutes_data()
    {
        QTest::addColumn<QList<double>>("moves"); // minutes the mouse goes to, from 100.0
        QTest::addColumn<bool>("cancel");         // Escape before the release
        QTest::addColumn<int>("repaints");        // moves that changed the whole minutes
        QTest::addColumn<int>("moved");           // the move on release; 0 for none
        QTest::newRow("later") << QList<double>{103.2, 107.9} << false << 2 << 7;
        QTest::newRow("earlier, towards zero") << QList<double>{87.4} << false << 1 << -12;
        QTest::newRow("within a minute either way") << QList<double>{100.9, 99.1, 100.4} << false << 0 << 0;
        QTest::newRow("back where it started") << QList<double>{110.0, 100.5} << false << 2 << 0;
        QTest::newRow("cancelled") << QList<double>{130.0} << true << 1 << 0;
        QTest::newRow("a day and more") << QList<double>{100.0 + 1500} << false << 1 << 1500;
    }

    void theDragCountsWholeMinutes()
    {
        QFETCH(QList<double>, moves);
        QFETCH(bool, cancel);
        QFETCH(int, repaints);
        QFETCH(int, moved);
        TrainDrag drag;
        QVERIFY(!drag.moveTo(200)); // no drag, nothing follows the mouse
        drag.start(42, 100.0);
        QVERIFY(drag.active());
        int changes = 0;
        for (const double minute : moves)
            changes += drag.moveTo(minute) ? 1 : 0;
        QCOMPARE(changes, repaints);
        if (cancel)
            drag.cancel();
        const auto move = drag.finish();
        QCOMPARE(move.has_value(), moved != 0);
        if (move) {
            QCOMPARE(move->line, 42);
            QCOMPARE(move->minutes, moved);
        }
        QVERIFY(!drag.active());
        QCOMPARE(drag.minutes(), 0);
        QVERIFY(!drag.finish()); // a release after the end moves nothing
    }

    void theLabelShowsTheShift_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("label");
        QTest::newRow("later") << 7 << QStringLiteral("+7 min");
        QTest::newRow("earlier, with a real minus") << -12 << QStringLiteral("\u221212 min");
        QTest::newRow("more than a day") << 1500 << QStringLiteral("+1500 min");
    }

    void theLabelShowsTheShift()
    {
        QFETCH(int, minutes);
        QFETCH(QString, label);
        QCOMPARE(shiftLabel(minutes), label);
    }

    void theMovedRecordKeepsItsNumberAndRuns_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("moved");
        const QString os = record(4521, "1 0705 0712", "1", "2 0713 0740");
        QTest::newRow("later") << os << 7 << record(4521, "1 0712 0719", "1", "2 0720 0747");
        QTest::newRow("earlier") << os << -12 << record(4521, "1 0653 0700", "1", "2 0701 0728");
        QTest::newRow("past midnight") << record(4521, "1 2345 2352", "1", "2 2353 0010") << 15
                                       << record(4521, "1 0000 0007", "1", "2 0008 0025");
        QTest::newRow("before midnight") << os << -8 * 60 << record(4521, "1 2305 2312", "1", "2 2313 2340");
        QTest::newRow("by more than a day") << os << 1440 + 30 << record(4521, "1 0735 0742", "1", "2 0743 0810");
        QTest::newRow("an originating train keeps its empty block")
            << record(734, "-", "2", "1 0607 0630", "27") << 5 << record(734, "-", "2", "1 0612 0635", "27");
        QTest::newRow("the note stays")
            << record(4521, "1 0705 0712", "1", "2 0713 0740", "18", u'1', "posila") << 1
            << record(4521, "1 0706 0713", "1", "2 0714 0741", "18", u'1', "posila");
    }

    void theMovedRecordKeepsItsNumberAndRuns()
    {
        QFETCH(QString, record);
        QFETCH(int, minutes);
        QFETCH(QString, moved);
        QCOMPARE(movedRecord(record, minutes), moved);
    }

    void aRecordThatCannotBeMovedFails_data()
    {
        QTest::addColumn<QString>("record");
        QTest::newRow("too short") << QStringLiteral("18045211070507");
        QTest::newRow("a time that is no time") << record(4521, "1 0705 0772", "1", "2 0773 0740");
        QTest::newRow("a number that is no number") << record(4521, "1 0705 0712", "1", "2 0713 0740").replace(2, 1, u'x');
    }

    void aRecordThatCannotBeMovedFails()
    {
        QFETCH(QString, record);
        QVERIFY_THROWS_EXCEPTION(Failure, movedRecord(record, 5));
    }
};

QTEST_GUILESS_MAIN(TrainDragTest)
#include "tst_train_drag.moc"
