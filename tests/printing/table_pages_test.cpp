#include "printing/table_pages.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace tgx;

namespace {

constexpr double kEpsilon = 1e-6;

// A table of rows rows whose notes are noteLength(row) characters of words.
SheetTable tableOf(int rows, const std::function<int(int)> &noteLength)
{
    SheetTable table;
    table.columns = {{"Čas", 6}, {"Vlak", 10}, {"Poznámka", 30}};
    for (int row = 0; row < rows; ++row) {
        const QString words = QStringLiteral("slovo ").repeated(noteLength(row) / 6 + 1).left(noteLength(row));
        table.rows.append({QString::number(row), QStringLiteral("Os %1").arg(row), words});
    }
    return table;
}

} // namespace

class TablePagesTest : public QObject {
    Q_OBJECT

private slots:
    void rowsAreNeverCutNorPaintedOver_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<std::function<int(int)>>("noteLength");
        QTest::addColumn<double>("bodyHeight"); // pixels at 300 dpi
        QTest::addColumn<int>("fewestPages");

        QTest::newRow("many one-line rows") << 150 << std::function<int(int)>([](int) { return 0; }) << 1200.0 << 3;
        QTest::newRow("notes wrapping over several lines")
            << 60 << std::function<int(int)>([](int row) { return row * 13 % 400; }) << 1500.0 << 3;
        QTest::newRow("a note longer than a page stays within it")
            << 3 << std::function<int(int)>([](int row) { return row == 1 ? 20000 : 10; }) << 800.0 << 3;
        QTest::newRow("no trains: the headings alone") << 0 << std::function<int(int)>([](int) { return 0; }) << 800.0
                                                      << 1;
    }

    void rowsAreNeverCutNorPaintedOver()
    {
        QFETCH(int, rows);
        QFETCH(std::function<int(int)>, noteLength);
        QFETCH(double, bodyHeight);
        QFETCH(int, fewestPages);
        QImage device(10, 10, QImage::Format_RGB32);
        device.setDotsPerMeterX(11811); // 300 dpi
        device.setDotsPerMeterY(11811);
        QPainter painter(&device);
        const QRectF body(50, 80, 1800, bodyHeight);
        TablePages pages(tableOf(rows, noteLength));
        const int count = pages.layOut(painter, body);
        QVERIFY2(count >= fewestPages, qPrintable(QString::number(count)));

        int next = 0;
        for (int page = 0; page < count; ++page) {
            const auto placed = pages.rowsOnPage(page, body);
            QCOMPARE(placed.first().first, -1); // the headings on top of every page
            QCOMPARE(placed.first().second.top(), body.top());
            for (qsizetype i = 1; i < placed.size(); ++i) {
                const auto &[row, rect] = placed[i];
                QCOMPARE(row, next++); // every row once, in order
                QCOMPARE(rect.top(), placed[i - 1].second.bottom()); // right below the one before
                QVERIFY(rect.height() >= painter.fontMetrics().height());
                QVERIFY2(rect.bottom() <= body.bottom() + kEpsilon, qPrintable(QStringLiteral("row %1 cut").arg(row)));
            }
            // A page ends only where its next row would not fit.
            if (page + 1 < count && placed.size() > 1) {
                const QRectF nextRow = pages.rowsOnPage(page + 1, body).value(1).second;
                QVERIFY(placed.last().second.bottom() + nextRow.height() > body.bottom());
            }
        }
        QCOMPARE(next, rows);
    }

    void aWrappedNoteMakesItsRowTaller()
    {
        QImage device(10, 10, QImage::Format_RGB32);
        device.setDotsPerMeterY(11811);
        QPainter painter(&device);
        const QRectF body(0, 0, 1800, 3000);
        TablePages pages(tableOf(3, [](int row) { return row * 200; }));
        QCOMPARE(pages.layOut(painter, body), 1);
        const auto placed = pages.rowsOnPage(0, body);
        QCOMPARE(placed.size(), 4);
        QVERIFY(placed[1].second.height() < placed[2].second.height());
        QVERIFY(placed[2].second.height() < placed[3].second.height());
    }
};

QTEST_MAIN(TablePagesTest)
#include "table_pages_test.moc"
