#include "app_fixture.h"
#include "chart_fixture.h"
#include "failing_disk.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kFilter = QStringLiteral("Obrázek PNG (*.png);;Dokument PDF (*.pdf)");

enum class Look { Passenger, Freight, Locomotive, Neutral, Background, Red };

bool looks(QColor c, Look look)
{
    const int r = c.red(), g = c.green(), b = c.blue();
    switch (look) {
    case Look::Passenger: return b > r + 60 && b > g + 30;
    case Look::Freight: return r > b + 80 && r > g + 30;
    case Look::Locomotive: return g > r + 40 && g > b + 40;
    case Look::Neutral: return std::abs(r - g) < 12 && std::abs(g - b) < 12 && r < 220;
    case Look::Background: return r == g && g == b && r >= 240;
    case Look::Red: return r > 180 && g < 60 && b < 60;
    }
    return false;
}

bool isAmber(QColor c) { return c.red() > 230 && c.green() > 150 && c.green() < 210 && c.blue() < 60; }
bool isDark(QColor c) { return c.red() < 80 && c.green() < 80 && c.blue() < 80; }

// The colours inside a bar's minutes first..last in row, off its outline.
QSet<QRgb> coloursInside(const ChartFixture &f, const QImage &image, int row, int first, int last)
{
    const ChartFrame frame = f.chart.frame();
    const auto [left, right] = frame.grid.barSpan(first, last);
    const int top = frame.rowTop(row) + ChartLayout::kBarInset;
    QSet<QRgb> colours;
    for (int x = int(std::ceil(left)) + 2; x < int(right) - 2; ++x) {
        for (int y = top + 3; y < top + ChartLayout::kRowHeight - 2 * ChartLayout::kBarInset - 3; ++y)
            colours << image.pixel(x, y);
    }
    return colours;
}

int barTop(const ChartFixture &f, int row) { return f.chart.frame().rowTop(row) + ChartLayout::kBarInset; }

} // namespace

// What the chart paints, on the screen and into saved pictures.
class ChartImageTest : public QObject {
    Q_OBJECT

private slots:
    void barsShowTheirKindOfTrainAndConflicts_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("minute");
        QTest::addColumn<bool>("topEdge"); // the bar's top edge, else its middle
        QTest::addColumn<int>("look");

        QTest::newRow("passenger") << int(kTrack1) << 425 << false << int(Look::Passenger);
        QTest::newRow("freight") << int(kTrack1) << 445 << false << int(Look::Freight);
        QTest::newRow("locomotive before midnight") << int(kTrack1) << 1435 << false << int(Look::Locomotive);
        QTest::newRow("locomotive after midnight") << int(kTrack1) << 7 << false << int(Look::Locomotive);
        QTest::newRow("other type") << int(kTrackX) << 950 << false << int(Look::Neutral);
        QTest::newRow("passing train") << int(kTrack2) << 600 << false << int(Look::Passenger);
        QTest::newRow("no train") << int(kTrack1) << 800 << false << int(Look::Background);
        QTest::newRow("no train, second row") << int(kTrack2) << 800 << false << int(Look::Background);
        QTest::newRow("passenger in conflict") << int(kTrack1) << 425 << true << int(Look::Red);
        QTest::newRow("freight in conflict") << int(kTrack1) << 445 << true << int(Look::Red);
        QTest::newRow("passenger in no conflict") << int(kTrack2) << 400 << true << int(Look::Passenger);
        QTest::newRow("locomotive in no conflict") << int(kTrack1) << 1435 << true << int(Look::Locomotive);
    }
    void barsShowTheirKindOfTrainAndConflicts()
    {
        QFETCH(int, row);
        QFETCH(int, minute);
        QFETCH(bool, topEdge);
        QFETCH(int, look);
        ChartFixture f;
        QVERIFY(f.show(QSize(ChartLayout::kTrackColumnWidth + 1440, 160)));
        const QImage image = f.chart.viewport()->grab().toImage();
        const QPoint at = f.at(row, minute);
        QVERIFY(looks(image.pixelColor(at.x(), topEdge ? barTop(f, row) + 1 : at.y()), Look(look)));
    }

    void aPassingTrainIsAFewPixelsWideAtTheWholeDay()
    {
        ChartFixture f;
        QVERIFY(f.show());
        const QImage image = f.chart.viewport()->grab().toImage();
        const QPoint middle = f.at(kTrack2, 600);
        int wide = 0;
        for (int x = middle.x() - 10; x <= middle.x() + 10; ++x)
            wide += looks(image.pixelColor(x, middle.y()), Look::Background) ? 0 : 1;
        QVERIFY2(wide >= 4, qPrintable(QString::number(wide)));
    }

    void estimatedMinutesAreHatched()
    {
        ChartFixture f;
        QVERIFY(f.show(QSize(ChartLayout::kTrackColumnWidth + 1440, 160)));
        const QImage image = f.chart.viewport()->grab().toImage();
        // Known minutes have one fill; estimated ones at least two other colours.
        auto hatched = [&](int row, int solidFirst, int solidLast, int estimatedFirst, int estimatedLast) {
            const QSet<QRgb> solid = coloursInside(f, image, row, solidFirst, solidLast);
            const QSet<QRgb> estimated = coloursInside(f, image, row, estimatedFirst, estimatedLast);
            return solid.size() == 1 && estimated.size() >= 2 && !estimated.intersects(solid);
        };
        QVERIFY(hatched(kTrack1, 432, 449, 451, 460)); // Pn, ten minutes after its arrival
        QVERIFY(hatched(kTrackX, 940, 998, 900, 909)); // other type, ten minutes before its departure
    }

    void theSelectedTrainIsHighlightedAtBothEndsOfTheDay()
    {
        ChartFixture f;
        QVERIFY(f.show());
        auto halo = [&f](int minute) {
            const QImage image = f.chart.viewport()->grab().toImage();
            return isAmber(image.pixelColor(f.at(kTrack1, minute).x(), barTop(f, kTrack1) - 2));
        };
        QVERIFY(!halo(5) && !halo(1435));
        f.chart.setSelectedLine(kLv);
        QVERIFY(halo(5) && halo(1435));
        QVERIFY(!halo(425));
        f.chart.setSelectedLine(std::nullopt);
        QVERIFY(!halo(5) && !halo(1435));
    }

    void labelsShowWhereTheyFit()
    {
        ChartFixture f;
        QVERIFY(f.show());
        auto darkInside = [&f](int row, int first, int last) {
            const QImage image = f.chart.viewport()->grab().toImage();
            const QSet<QRgb> colours = coloursInside(f, image, row, first, last);
            return std::any_of(colours.cbegin(), colours.cend(), [](QRgb c) { return isDark(QColor(c)); });
        };
        QVERIFY(!darkInside(kTrack2, 360, 365)); // Mn 3 in 3 pixels
        QVERIFY(darkInside(kTrack2, 300, 340));  // R 800, before Mn 3
        f.zoomInAround(330);
        QVERIFY(darkInside(kTrack2, 360, 365)); // Mn 3 in 36 pixels
    }

    void savesTheWholeDayAtTheCurrentZoom_data()
    {
        QTest::addColumn<int>("zoomSteps");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");

        QTest::newRow("cancelled") << 0 << "" << "";
        QTest::newRow("PNG, whole day") << 0 << "den.png" << "den.png";
        QTest::newRow("PNG, zoomed in") << 5 << "den.png" << "den.png";
        QTest::newRow("PNG, two hours") << 20 << "Den.PNG" << "Den.PNG";
        QTest::newRow("PDF, whole day") << 0 << "den.pdf" << "den.pdf";
        QTest::newRow("PDF in capitals, zoomed in") << 3 << "DEN.PDF" << "DEN.PDF";
        QTest::newRow("no suffix") << 0 << "den" << "den.png";
        QTest::newRow("another suffix") << 0 << "den.jpg" << "den.jpg.png";
    }
    void savesTheWholeDayAtTheCurrentZoom()
    {
        QFETCH(int, zoomSteps);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        ChartFixture f;
        QVERIFY(f.show());
        f.pressKey(Qt::Key_Plus, zoomSteps);
        QTemporaryDir dir;
        if (chosen.isEmpty())
            f.prompts.cancelFileDialog();
        else
            f.prompts.chooseFile(dir.filePath(chosen));
        // The one entry of the context menu.
        QCOMPARE(f.chart.contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(f.chart.actions().size(), 1);
        QCOMPARE(f.chart.actions()[0]->objectName(), QStringLiteral("H0"));
        QCOMPARE(f.chart.actions()[0]->text(), QStringLiteral("Uložit obrázek..."));
        f.chart.actions()[0]->trigger();

        QCOMPARE(f.prompts.fileRequests.size(), 1);
        QCOMPARE(f.prompts.fileRequests[0].title, QStringLiteral("Uložit obrázek"));
        QCOMPARE(f.prompts.fileRequests[0].filter, kFilter);
        QCOMPARE(f.prompts.messages(), QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), written.isEmpty() ? QStringList() : QStringList{written});
        if (written.isEmpty())
            return;
        const QByteArray bytes = readFile(dir.filePath(written));
        if (written.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
            QVERIFY(bytes.startsWith("%PDF"));
            return;
        }
        const QImage image = QImage::fromData(bytes, "PNG");
        const double dayWidth = 1440 * f.chart.frame().grid.pixelsPerMinute();
        QCOMPARE(image.width(), ChartLayout::kTrackColumnWidth + int(std::ceil(dayWidth - 1e-6)));
        QCOMPARE(image.height(), ChartLayout::kHeaderHeight + kSampleRows * ChartLayout::kRowHeight);
    }

    void theSavedDayIsWhatTheViewShows()
    {
        ChartFixture f;
        QVERIFY(f.show());
        f.chart.setSelectedLine(kPn);
        QTemporaryDir dir;
        f.prompts.chooseFile(dir.filePath(QStringLiteral("den.png")));
        f.chart.findChild<QAction *>(QStringLiteral("H0"))->trigger();
        const QImage saved(dir.filePath(QStringLiteral("den.png")));
        const QImage shown = f.chart.viewport()->grab().toImage().convertToFormat(saved.format());
        QCOMPARE(saved.size(), QSize(776, ChartLayout::kHeaderHeight + kSampleRows * ChartLayout::kRowHeight));
        QCOMPARE(saved, shown.copy(QRect(QPoint(0, 0), saved.size())));
    }

    void aFailedWriteKeepsTheOldFile()
    {
        FailingDisk disk;
        ChartFixture f(disk);
        QVERIFY(f.show());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("den.png"));
        writeFile(path, "the old picture");
        f.prompts.chooseFile(path);
        f.chart.findChild<QAction *>(QStringLiteral("H0"))->trigger();
        const QStringList messages = f.prompts.messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0], QStringLiteral("Error 00H0"));
        QVERIFY(messages[1].contains(path));
        QCOMPARE(readFile(path), QByteArray("the old picture"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"den.png"});
    }
};

QTEST_MAIN(ChartImageTest)
#include "chart_image_test.moc"
