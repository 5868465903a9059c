#include "document/document_lines.h"
#include "document/header_lines.h"
#include "editing/train_sort.h"
#include "record_parts.h"

#include <QMap>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

// Lines named by what sorting sees in them: the time in the own station.
const QMap<QString, QString> kLines = {
    {"a07:00", trainRecord(u"00001", u"1065007001000", u"2070507302500")},
    {"b07:00", trainRecord(u"00002", u"2064507001500", u"1071007150500")},
    {"c06:00", trainRecord(u"00003", u"1055006001000", u"2060506302500")},
    {"mid00:00", trainRecord(u"00004", u"1235000001000", u"2000500302500")},
    {"o06:30", trainRecord(u"00005", kOriginates, u"2063007003000")},
    {"o07:00", trainRecord(u"00006", kOriginates, u"1070007202000")},
    {"t08:00", trainRecord(u"00007", u"1074008002000", kTerminates)},
    {"passes07:00", trainRecord(u"00008", u"1065007001000", u"2070007303000").replace(21, 1, u'4')},
    {"both zero", trainRecord(u"00009", kOriginates, kTerminates)},
    {"bad arrival", trainRecord(u"00010", u"1065025611000", u"2070507302500")},
    {"bad departure, originating", trainRecord(u"00011", kOriginates, u"2076007302500")},
    {"short", QStringLiteral("1800012106500700")},
    {"blank", QStringLiteral(" ")},
    {"empty", QString()},
};

QStringList linesOf(const QStringList &names)
{
    QStringList lines;
    for (const QString &name : names)
        lines << kLines.value(name, QStringLiteral("<unknown %1>").arg(name));
    return lines;
}

QStringList namesOf(const QStringList &lines)
{
    QStringList names;
    for (const QString &line : lines)
        names << kLines.key(line, QStringLiteral("<line %1>").arg(line));
    return names;
}

// A header whose lines look like records with early times: sorting must not touch them.
QStringList header()
{
    QStringList lines(HeaderLine::Count);
    lines[1] = QStringLiteral("Zelto ŽST Hutky");
    lines[29] = kLines["mid00:00"];
    return lines;
}

} // namespace

// Sorting the train lines by their time in the own station.
class TrainSortTest : public QObject {
    Q_OBJECT

private slots:
    void ordersByTheTimeInTheOwnStation_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("sorted");

        QTest::newRow("by arrival") << QStringList{"a07:00", "t08:00", "c06:00", "mid00:00"}
                                    << QStringList{"mid00:00", "c06:00", "a07:00", "t08:00"};
        QTest::newRow("equal times keep their order")
            << QStringList{"b07:00", "o07:00", "c06:00", "a07:00", "passes07:00"}
            << QStringList{"c06:00", "b07:00", "o07:00", "a07:00", "passes07:00"};
        QTest::newRow("originating by departure") << QStringList{"a07:00", "o06:30", "c06:00"}
                                                  << QStringList{"c06:00", "o06:30", "a07:00"};
        QTest::newRow("lines without a time go last in their order")
            << QStringList{"short", "bad arrival", "t08:00", "both zero", "blank", "c06:00", "bad departure, originating"}
            << QStringList{"c06:00", "t08:00", "short", "bad arrival", "both zero", "blank", "bad departure, originating"};
        QTest::newRow("empty lines keep their places")
            << QStringList{"empty", "a07:00", "empty", "empty", "c06:00", "t08:00", "empty", "mid00:00", "empty"}
            << QStringList{"empty", "mid00:00", "empty", "empty", "c06:00", "a07:00", "empty", "t08:00", "empty"};
        QTest::newRow("only empty lines") << QStringList{"empty", "empty"} << QStringList{"empty", "empty"};
        QTest::newRow("sorted already") << QStringList{"c06:00", "a07:00"} << QStringList{"c06:00", "a07:00"};
    }

    void ordersByTheTimeInTheOwnStation()
    {
        QFETCH(QStringList, records);
        QFETCH(QStringList, sorted);

        QCOMPARE(namesOf(recordLinesByTime(header() + linesOf(records))), sorted);
    }

    // The lines that move are written in one change of the text, and an
    // ordered document is not changed at all.
    void sortingReplacesOnlyTheLinesThatMove_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("sorted");
        QTest::addColumn<int>("moved");

        QTest::newRow("two swap round a fixed one") << QStringList{"t08:00", "a07:00", "c06:00"}
                                                    << QStringList{"c06:00", "a07:00", "t08:00"} << 2;
        QTest::newRow("around an empty line") << QStringList{"a07:00", "empty", "c06:00", "short"}
                                              << QStringList{"c06:00", "empty", "a07:00", "short"} << 2;
        QTest::newRow("sorted already") << QStringList{"c06:00", "a07:00"} << QStringList{"c06:00", "a07:00"} << 0;
        QTest::newRow("no records") << QStringList{} << QStringList{} << 0;
    }

    void sortingReplacesOnlyTheLinesThatMove()
    {
        QFETCH(QStringList, records);
        QFETCH(QStringList, sorted);
        QFETCH(int, moved);

        StringTextBuffer buffer((header() + linesOf(records)).join(u'\n') + u'\n');
        DocumentLines lines(buffer);
        QCOMPARE(sortTrainsByTime(lines), moved);
        QCOMPARE(buffer.changeCount(), moved > 0 ? 1 : 0);
        QCOMPARE(lines.allLines(), header() + linesOf(sorted));
        QVERIFY(buffer.text().endsWith(u'\n'));
    }
};

QTEST_GUILESS_MAIN(TrainSortTest)
#include "tst_train_sort.moc"
