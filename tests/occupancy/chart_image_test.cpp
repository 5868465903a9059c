#include "app_fixture.h"
#include "chart_fixture.h"
#include "failing_disk.h"
#include "occupancy/chart_content.h"
#include "occupancy/chart_painter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QPainter>
#include <QImage>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace tgx;
using namespace tgx::test;

namespace {

enum class Look { Passenger, Freight, Locomotive, Neutral, Background, Red, Amber };

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
    case Look::Amber: return r > 230 && g > 150 && g < 210 && b < 60;
    }
    return false;
}

// Where a look is taken: a bar's middle, its top edge (the outline), or just
// above it (the selected train's halo).
enum class Probe { Middle, Edge, Above };

QImage shown(const ChartFixture &f) { return f.chart.viewport()->grab().toImage(); }
int barTop(const ChartFixture &f, int row) { return f.chart.frame().rowTop(row) + ChartLayout::kBarInset; }

// The colours inside a bar's minutes first..last in row, off its outline.
QSet<QRgb> coloursInside(const ChartFixture &f, int row, int first, int last)
{
    const QImage image = shown(f);
    const auto [left, right] = f.chart.frame().grid.barSpan(first, last);
    const int top = barTop(f, row);
    QSet<QRgb> colours;
    for (int x = int(std::ceil(left)) + 2; x < int(right) - 2; ++x) {
        for (int y = top + 3; y < top + ChartLayout::kRowHeight - 2 * ChartLayout::kBarInset - 3; ++y)
            colours << image.pixel(x, y);
    }
    return colours;
}

void save(ChartFixture &f) { f.chart.findChild<QAction *>(QStringLiteral("H0"))->trigger(); }

// A row of lanes lanes with bars, by hand, of trains passenger trains "Os 4500" onwards.
OccupancyPlan oneRow(const QList<OccupancyBar> &bars, int lanes, int trains = 1)
{
    OccupancyPlan plan;
    for (int train = 0; train < trains; ++train) {
        PlannedTrain os;
        os.line = 31 + train;
        os.number = 4500 + train;
        os.typeIndex = 8;
        os.category = TrainCategory::Passenger;
        plan.trains.append(os);
    }
    plan.rows = {{u'1', bars, lanes}};
    return plan;
}

// The application's font with a pixel size, as the chart paints with it.
QFont pixelFont()
{
    QFont font = QApplication::font();
    font.setPixelSize(QFontInfo(font).pixelSize());
    return font;
}

// The whole day of plan at a pixel a minute, as a saved picture shows it.
ChartFrame dayFrame(const OccupancyPlan &plan) { return wholeDayFrame(1, ChartLayout::rowOffsets(plan.rows), pixelFont()); }

QImage paintedDay(const OccupancyPlan &plan)
{
    ChartContent content;
    content.setPlan(plan);
    const ChartFrame day = dayFrame(plan);
    QImage image(day.size, QImage::Format_RGB32);
    QPainter painter(&image);
    paintChart(painter, content, day, pixelFont());
    return image;
}

bool dark(QRgb c) { return qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80; }

} // namespace

// What the chart paints, on the screen and into saved pictures.
class ChartImageTest : public QObject {
    Q_OBJECT

private slots:
    void barsShowTheirTrain_data()
    {
        QTest::addColumn<int>("selected"); // a line, 0 for none
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("probe");
        QTest::addColumn<int>("look");

        const int none = 0, middle = int(Probe::Middle), edge = int(Probe::Edge), above = int(Probe::Above);
        QTest::newRow("passenger") << none << int(kTrack1) << 425 << middle << int(Look::Passenger);
        QTest::newRow("freight") << none << int(kTrack1) << 445 << middle << int(Look::Freight);
        QTest::newRow("locomotive before midnight") << none << int(kTrack1) << 1435 << middle << int(Look::Locomotive);
        QTest::newRow("locomotive after midnight") << none << int(kTrack1) << 7 << middle << int(Look::Locomotive);
        QTest::newRow("other type") << none << int(kTrackX) << 950 << middle << int(Look::Neutral);
        QTest::newRow("a passing train, a few pixels wide") << none << int(kTrack2) << 600 << middle << int(Look::Passenger);
        QTest::newRow("no train") << none << int(kTrack1) << 800 << middle << int(Look::Background);
        QTest::newRow("in conflict") << none << int(kTrack1) << 425 << edge << int(Look::Red);
        QTest::newRow("in no conflict") << none << int(kTrack1) << 1435 << edge << int(Look::Locomotive);
        QTest::newRow("selected after midnight") << int(kLv) << int(kTrack1) << 5 << above << int(Look::Amber);
        QTest::newRow("selected before midnight") << int(kLv) << int(kTrack1) << 1435 << above << int(Look::Amber);
        QTest::newRow("not selected") << int(kLv) << int(kTrack1) << 425 << above << int(Look::Background);
        QTest::newRow("selection cleared") << none << int(kTrack1) << 5 << above << int(Look::Background);
    }
    void barsShowTheirTrain()
    {
        QFETCH(int, selected);
        QFETCH(int, row);
        QFETCH(int, minute);
        QFETCH(int, probe);
        QFETCH(int, look);
        ChartFixture f;
        QVERIFY(f.show(QSize(ChartLayout::kTrackColumnWidth + 1440, 160)));
        // Lv 1 was selected before, so that each row also shows a change of selection.
        f.chart.setSelectedLine(kLv);
        f.chart.setSelectedLine(selected ? std::optional<int>(selected) : std::nullopt);
        const QPoint at = f.at(row, minute);
        const int y = Probe(probe) == Probe::Middle ? at.y() : barTop(f, row) + (Probe(probe) == Probe::Edge ? 1 : -2);
        // At least four of the five pixels about the point: a passing train's one minute is widened.
        const QImage image = shown(f);
        int alike = 0;
        for (int x = at.x() - 2; x <= at.x() + 2; ++x)
            alike += looks(image.pixelColor(x, y), Look(look)) ? 1 : 0;
        QVERIFY2(alike >= 4, qPrintable(QString::number(alike)));
    }

    void estimatedMinutesAreHatchedAndLabelsShowWhereTheyFit()
    {
        ChartFixture f;
        QVERIFY(f.show(QSize(ChartLayout::kTrackColumnWidth + 1440, 160)));
        // Known minutes have one fill; estimated ones at least two other colours.
        auto hatched = [&](int row, int solidFirst, int solidLast, int estimatedFirst, int estimatedLast) {
            const QSet<QRgb> solid = coloursInside(f, row, solidFirst, solidLast);
            const QSet<QRgb> estimated = coloursInside(f, row, estimatedFirst, estimatedLast);
            return solid.size() == 1 && estimated.size() >= 2 && !estimated.intersects(solid);
        };
        QVERIFY(hatched(kTrack1, 432, 449, 451, 460)); // Pn, ten minutes after its arrival
        QVERIFY(hatched(kTrackX, 940, 998, 900, 909)); // other type, ten minutes before its departure
        auto labelled = [&f](int row, int first, int last) {
            const QSet<QRgb> colours = coloursInside(f, row, first, last);
            return std::any_of(colours.cbegin(), colours.cend(),
                               [](QRgb c) { return qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80; });
        };
        QVERIFY(!labelled(kTrack2, 360, 365)); // Mn 3 in 6 pixels
        QVERIFY(labelled(kTrack2, 300, 340));  // R 800, before Mn 3
        f.zoomInAround(330);
        QVERIFY(labelled(kTrack2, 360, 365)); // Mn 3 in 72 pixels
    }

    void labelsStandInsideOrBesideTheBars_data()
    {
        QTest::addColumn<int>("train"); // the bar of this train is taken away to see what it painted
        QTest::addColumn<QString>("where");

        QTest::newRow("a long bar") << 0 << "inside";
        QTest::newRow("a short bar in a lane of its own under the long one") << 1 << "right";
        QTest::newRow("a short bar with room after it") << 2 << "right";
        QTest::newRow("a short bar right before another") << 3 << "left";
        QTest::newRow("a short bar between two others") << 5 << "nowhere";
        QTest::newRow("a bar too short for its type between two others") << 8 << "inside"; // its number
        QTest::newRow("a one-minute stop with room after it") << 11 << "right";

    }
    void labelsStandInsideOrBesideTheBars()
    {
        QFETCH(int, train);
        QFETCH(QString, where);
        // Bars: train, first and last minute, estimated first and last (none), lane.
        const QList<OccupancyBar> bars{{0, 100, 300, 0, -1, 0}, {1, 150, 152, 0, -1, 1}, {11, 400, 400, 0, -1, 0},
                                       {2, 600, 602, 0, -1, 0},
                                       {3, 800, 802, 0, -1, 0}, {4, 804, 870, 0, -1, 0}, {6, 940, 998, 0, -1, 0},
                                       {5, 1000, 1002, 0, -1, 0}, {7, 1004, 1062, 0, -1, 0}, {9, 1065, 1098, 0, -1, 0},
                                       {8, 1100, 1139, 0, -1, 0}, {10, 1141, 1200, 0, -1, 0}};
        QList<OccupancyBar> without = bars;
        without.removeIf([&](const OccupancyBar &bar) { return bar.train == train; });
        const ChartFrame frame = dayFrame(oneRow(bars, 2, 12));
        const QImage with = paintedDay(oneRow(bars, 2, 12));
        const QImage away = paintedDay(oneRow(without, 2, 12));
        const QRect bar = frame.barRect(0, *std::find_if(bars.begin(), bars.end(), [&](auto &b) { return b.train == train; }))
                              .toAlignedRect();
        QRect changed; // what the bar changed outside itself
        bool darkInside = false;
        for (int y = 0; y < with.height(); ++y) {
            for (int x = 0; x < with.width(); ++x) {
                if (bar.adjusted(1, 1, -1, -1).contains(x, y))
                    darkInside = darkInside || dark(with.pixel(x, y));
                else if (!bar.contains(x, y) && with.pixel(x, y) != away.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
            }
        }
        const QString found = darkInside ? QStringLiteral("inside")
                              : changed.isEmpty()                   ? QStringLiteral("nowhere")
                              : changed.left() > bar.right()        ? QStringLiteral("right")
                              : changed.right() < bar.left()        ? QStringLiteral("left")
                                                                    : QStringLiteral("around");
        QCOMPARE(found, where);
        // A label beside its bar keeps to the bar's lane.
        QVERIFY(changed.isEmpty() || (changed.top() >= bar.top() && changed.bottom() <= bar.bottom()));
    }

    void collisionsAreOutlinedSolidOrDashed_data()
    {
        QTest::addColumn<bool>("possibleOnly");
        QTest::addColumn<bool>("dashed");

        QTest::newRow("kolize") << false << false;
        QTest::newRow("možná kolize") << true << true;
    }
    void collisionsAreOutlinedSolidOrDashed()
    {
        QFETCH(bool, possibleOnly);
        QFETCH(bool, dashed);
        OccupancyPlan plan = oneRow({{0, 100, 300, 0, -1, 0}}, 1);
        plan.trains[0].inConflict = true;
        plan.trains[0].possibleConflictOnly = possibleOnly;
        const ChartFrame frame = dayFrame(plan);
        const QImage image = paintedDay(plan);
        const QRect bar = frame.barRect(0, plan.rows[0].bars[0]).toAlignedRect();
        int red = 0;
        for (int x = bar.left() + 4; x < bar.right() - 4; ++x)
            red += looks(image.pixelColor(x, bar.top() + 1), Look::Red) ? 1 : 0;
        const int length = bar.width() - 9;
        QVERIFY2(dashed ? red > length / 4 && red < length * 3 / 4 : red == length, qPrintable(QString::number(red)));
    }

    void theLegendExplainsTheBars_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::newRow("in the view") << false;
        QTest::newRow("in a saved picture") << true;
    }
    void theLegendExplainsTheBars()
    {
        QFETCH(bool, saved);
        ChartFixture f;
        QVERIFY(f.show(QSize(776, 300)));
        QTemporaryDir dir;
        f.prompts.chooseFile(dir.filePath(QStringLiteral("den.png")));
        if (saved)
            save(f);
        const QImage image = saved ? QImage(dir.filePath(QStringLiteral("den.png"))) : shown(f);
        // Right below the rows, across the picture.
        const int top = ChartLayout::kHeaderHeight + kSampleRows * ChartLayout::kRowHeight;
        QSet<int> looksFound;
        int darkPixels = 0;
        for (int y = top + 2; y < top + ChartLayout::kLegendLineHeight - 1; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                for (const Look look : {Look::Passenger, Look::Freight, Look::Locomotive, Look::Red})
                    looksFound << (looks(c, look) ? int(look) : -1);
                darkPixels += dark(c.rgb()) ? 1 : 0;
            }
        }
        looksFound.remove(-1);
        QCOMPARE(looksFound.size(), 4);
        QVERIFY(darkPixels > 200); // the words
        // Below the legend, nothing.
        for (int y = top + ChartLayout::kLegendLineHeight + 1; y < image.height(); ++y)
            QVERIFY(looks(image.pixelColor(image.width() / 2, y), Look::Background));
    }

    void savesTheWholeDayAtTheCurrentZoom_data()
    {
        QTest::addColumn<int>("zoomSteps");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("filter"); // as the dialog reports it, empty when it does not
        QTest::addColumn<QString>("written");

        const QString png = QStringLiteral("Obrázek PNG (*.png)");
        const QString pdf = QStringLiteral("Dokument PDF (*.pdf)");
        QTest::newRow("cancelled") << 0 << "" << "" << "";
        QTest::newRow("PNG, zoomed in") << 5 << "den.png" << "" << "den.png";
        QTest::newRow("PNG in capitals, two hours") << 20 << "Den.PNG" << "" << "Den.PNG";
        QTest::newRow("PDF in capitals, zoomed in") << 3 << "DEN.PDF" << "" << "DEN.PDF";
        QTest::newRow("no suffix") << 0 << "den" << "" << "den.png";
        QTest::newRow("another suffix") << 0 << "den.jpg" << "" << "den.jpg.png";
        QTest::newRow("PDF filter, no suffix") << 0 << "den" << pdf << "den.pdf";
        QTest::newRow("PNG filter, no suffix") << 0 << "den" << png << "den.png";
        QTest::newRow("PDF filter, its suffix in capitals") << 0 << "den.PDF" << pdf << "den.PDF";
        QTest::newRow("PDF filter, a PNG name") << 0 << "den.png" << pdf << "den.png.pdf";
        QTest::newRow("PNG filter, a PDF name") << 0 << "den.pdf" << png << "den.pdf.png";
    }
    void savesTheWholeDayAtTheCurrentZoom()
    {
        QFETCH(int, zoomSteps);
        QFETCH(QString, chosen);
        QFETCH(QString, filter);
        QFETCH(QString, written);
        ChartFixture f;
        QVERIFY(f.show());
        f.pressKey(Qt::Key_Plus, zoomSteps);
        f.chart.setSelectedLine(kPn);
        QTemporaryDir dir;
        if (chosen.isEmpty())
            f.prompts.cancelFileDialog();
        else
            f.prompts.chooseFile(dir.filePath(chosen), filter);
        // The context menu's one entry.
        QCOMPARE(f.chart.contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(f.chart.actions().size(), 1);
        QCOMPARE(f.chart.actions()[0]->objectName(), QStringLiteral("H0"));
        QCOMPARE(f.chart.actions()[0]->text(), QStringLiteral("Uložit obrázek..."));
        save(f);

        QCOMPARE(f.prompts.fileRequests.size(), 1);
        QCOMPARE(f.prompts.fileRequests[0].title, QStringLiteral("Uložit obrázek"));
        QCOMPARE(f.prompts.fileRequests[0].filter, QStringLiteral("Obrázek PNG (*.png);;Dokument PDF (*.pdf)"));
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
        QVERIFY(!image.isNull());
        QCOMPARE(image.height(), ChartLayout::kHeaderHeight + kSampleRows * ChartLayout::kRowHeight + ChartLayout::kLegendLineHeight);
        if (zoomSteps == 0) // what the view shows of the whole day
            QCOMPARE(image, shown(f).convertToFormat(image.format()).copy(image.rect()));
    }

    void aFailedWriteKeepsTheOldFile()
    {
        FailingDisk disk;
        ChartFixture f(&disk);
        QVERIFY(f.show());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("den.png"));
        writeFile(path, "the old picture");
        f.prompts.chooseFile(path);
        save(f);
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
