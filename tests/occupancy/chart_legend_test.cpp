#include "chart_fixture.h"
#include "occupancy/chart_legend.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

// The font the chart paints with: the application's, with a pixel size.
QFontMetrics chartMetrics()
{
    QFont font = QApplication::font();
    font.setPixelSize(QFontInfo(font).pixelSize());
    return QFontMetrics(font);
}

// Whether the right end of place, where an item's text ends, holds some of its letters.
bool endsInLetters(const QImage &image, const QRect &place)
{
    for (int x = place.right() - place.width() / 5; x <= place.right(); ++x) {
        for (int y = place.top() + 2; y < place.bottom() - 1; ++y) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80)
                return true;
        }
    }
    return false;
}

// Every item of a legend width wide, placed at its top, whole and with its text in image.
void checkItemsShown(const QImage &image, int top, int width)
{
    for (const QRect &item : legendItems(width, chartMetrics())) {
        const QRect place = item.translated(0, top);
        QVERIFY2(image.rect().contains(place), qPrintable(QStringLiteral("%1 px: item at %2,%3 outside %4×%5")
                                                              .arg(width).arg(place.x()).arg(place.y())
                                                              .arg(image.width()).arg(image.height())));
        QVERIFY2(endsInLetters(image, place), qPrintable(QStringLiteral("%1 px: item at %2,%3 cut")
                                                             .arg(width).arg(place.x()).arg(place.y())));
    }
}

} // namespace

// The legend under the chart's rows: every item whole, in as many lines as
// the width needs, in the view and in saved pictures.
class ChartLegendTest : public QObject {
    Q_OBJECT

private slots:
    void widths_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("oneLine");
        QTest::newRow("the window's first width") << 632 << false;
        QTest::newRow("narrow") << 260 << false;
        QTest::newRow("about two items a line") << 190 << false;
        QTest::newRow("wide") << 1200 << true;
    }

    void itemsStayWithinTheWidthAndApart_data() { widths_data(); }
    void itemsStayWithinTheWidthAndApart()
    {
        QFETCH(int, width);
        QFETCH(bool, oneLine);
        const QList<QRect> items = legendItems(width, chartMetrics());
        const int height = legendHeight(width, chartMetrics());
        QCOMPARE(items.size(), 6);
        for (qsizetype i = 0; i < items.size(); ++i) {
            QVERIFY(QRect(0, 0, width, height).contains(items[i]));
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY2(!items[i].intersects(items[j]), qPrintable(QStringLiteral("items %1 and %2").arg(j).arg(i)));
        }
        QCOMPARE(height == ChartLayout::kLegendLineHeight, oneLine);
    }

    void theViewShowsEveryItemBelowTheRows_data() { widths_data(); }
    void theViewShowsEveryItemBelowTheRows()
    {
        QFETCH(int, width);
        ChartFixture f;
        QVERIFY(f.show(QSize(width, 400)));
        const ChartFrame frame = f.chart.frame();
        QCOMPARE(frame.legendHeight, legendHeight(width, chartMetrics()));
        // The rows end above the legend, which nothing paints over.
        QVERIFY(frame.rowTop(frame.rowCount()) <= frame.legendTop());
        QCOMPARE(frame.rowAt(frame.legendTop()), -1);
        checkItemsShown(f.chart.viewport()->grab().toImage(), frame.legendTop(), width);
    }

    void theViewMakesRoomForTheLegendAsItNarrows()
    {
        ChartFixture f;
        QVERIFY(f.show(QSize(1200, 160)));
        const int wideRows = f.chart.verticalScrollBar()->pageStep();
        f.chart.resize(f.chart.size() - QSize(1200 - 260, 0));
        const int narrowRows = f.chart.verticalScrollBar()->pageStep();
        const int narrowLegend = legendHeight(f.chart.viewport()->width(), chartMetrics());
        QVERIFY(narrowLegend > ChartLayout::kLegendLineHeight);
        QCOMPARE(wideRows - narrowRows, narrowLegend - ChartLayout::kLegendLineHeight);
        QCOMPARE(f.chart.verticalScrollBar()->maximum(), kSampleRows * ChartLayout::kRowHeight - narrowRows);
    }

    void aSavedPictureShowsEveryItem_data() { widths_data(); }
    void aSavedPictureShowsEveryItem()
    {
        QFETCH(int, width);
        ChartFixture f;
        QVERIFY(f.show(QSize(width, 400)));
        QTemporaryDir dir;
        f.prompts.chooseFile(dir.filePath(QStringLiteral("den.png")));
        f.chart.findChild<QAction *>(QStringLiteral("H0"))->trigger();
        const QImage image(dir.filePath(QStringLiteral("den.png")));
        QVERIFY(!image.isNull());
        const int legend = legendHeight(image.width(), chartMetrics());
        QCOMPARE(image.height(), ChartLayout::kHeaderHeight + kSampleRows * ChartLayout::kRowHeight + legend);
        checkItemsShown(image, image.height() - legend, image.width());
    }
};

QTEST_MAIN(ChartLegendTest)
#include "chart_legend_test.moc"
