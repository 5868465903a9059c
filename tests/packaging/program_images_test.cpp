// The installed icons are the program's own drawing, and the screenshot tool
// still shows the real windows with its sample.
#include "document/tool_bar_images.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

const QString kIcons = QStringLiteral(TGX_ICONS_DIR);

QImage drawnIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    tgx::ToolBarImages::paintProgramIcon(painter, size);
    painter.end();
    return image;
}

QImage svgIcon(int size)
{
    QSvgRenderer renderer(kIcons + QStringLiteral("/tgxeditor.svg"));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image;
}

// Largest difference of one channel between two images of one size and
// format, over all pixels.
int largestDifference(const QImage &a, const QImage &b)
{
    Q_ASSERT(a.size() == b.size() && a.format() == b.format() && a.depth() == 32);
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            for (int shift : {0, 8, 16, 24}) {
                const int channelA = (lineA[x] >> shift) & 0xff;
                const int channelB = (lineB[x] >> shift) & 0xff;
                largest = std::max(largest, std::abs(channelA - channelB));
            }
        }
    }
    return largest;
}

// The icon as a panel of the given colour shows it.
QImage onPanel(int size, const QColor &panel)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(panel);
    QPainter painter(&image);
    painter.drawImage(0, 0, drawnIcon(size));
    painter.end();
    return image;
}

// Pixels of a strong colour whose hue lies in [from, to) degrees.
int pixelsOfHue(const QImage &image, int from, int to)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = QColor::fromRgb(image.pixel(x, y));
            const int hue = colour.hsvHue();
            count += colour.hsvSaturation() > 130 && colour.value() > 120 && hue >= from && hue < to;
        }
    }
    return count;
}

// A row holds a station line when most of it is a mid grey, the line, or a
// strong colour, a train standing at the station.
bool rowIsStationLine(const QImage &image, int y)
{
    int onLine = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QColor colour = QColor::fromRgb(image.pixel(x, y));
        const bool grey = colour.hsvSaturation() < 40 && colour.value() > 70 && colour.value() < 180;
        onLine += grey || colour.hsvSaturation() > 130;
    }
    return onLine >= image.width() / 2;
}

// Separate bands of station-line rows, the rim excluded.
int stationLines(const QImage &image)
{
    const int rim = image.height() / 8;
    int bands = 0;
    bool inBand = false;
    for (int y = rim; y < image.height() - rim; ++y) {
        const bool line = rowIsStationLine(image, y);
        bands += line && !inBand;
        inBand = line;
    }
    return bands;
}

// How far the icon's first pixel that stands out from the panel lies from
// the middle of each edge, the farthest of the four.
int deepestEdge(const QImage &image, const QColor &panel)
{
    const int size = image.width();
    const int middle = size / 2;
    auto standsOut = [&](int x, int y) { return std::abs(qGray(image.pixel(x, y)) - qGray(panel.rgb())) >= 60; };
    int deepest = 0;
    for (int side = 0; side < 4; ++side) {
        int depth = 0;
        while (depth < middle) {
            const int x = side == 0 ? depth : side == 1 ? size - 1 - depth : middle;
            const int y = side == 2 ? depth : side == 3 ? size - 1 - depth : middle;
            if (standsOut(x, y))
                break;
            ++depth;
        }
        deepest = std::max(deepest, depth);
    }
    return deepest;
}

} // namespace

class ProgramImagesTest : public QObject {
    Q_OBJECT

private slots:
    void pngIsTheProgramsDrawing_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }

    // A PNG left behind when the drawing changed shows here: run
    // scripts/draw-program-icons. Colours are compared weighted by their
    // opacity (the colour of an almost transparent pixel does not show),
    // allowing the rounding by which blending differs between processors.
    void pngIsTheProgramsDrawing()
    {
        QFETCH(int, size);
        const QImage png(kIcons + QStringLiteral("/tgxeditor-%1.png").arg(size));
        QCOMPARE(png.size(), QSize(size, size));
        const int difference =
            largestDifference(png.convertToFormat(QImage::Format_ARGB32_Premultiplied), drawnIcon(size));
        QVERIFY2(difference <= 3, qPrintable(QStringLiteral("a pixel differs by %1").arg(difference)));
    }

    void svgIsTheSameDrawing_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {32, 64, 256})
            QTest::addRow("%d px", size) << size;
    }

    // The SVG rendered at any size gives the drawing at that size, up to the
    // smoothing of edges.
    void svgIsTheSameDrawing()
    {
        QFETCH(int, size);
        const QSvgRenderer svg(kIcons + QStringLiteral("/tgxeditor.svg"));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(0, 0, 256, 256));
        const int difference = largestDifference(svgIcon(size), drawnIcon(size));
        QVERIFY2(difference <= 16, qPrintable(QStringLiteral("a pixel differs by %1").arg(difference)));
    }

    void iconIsBoundedOnEveryPanel_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QColor>("panel");
        for (int size : {16, 32}) {
            QTest::addRow("%d px, light panel", size) << size << QColor(242, 242, 242);
            QTest::addRow("%d px, dark panel", size) << size << QColor(43, 43, 43);
        }
    }

    // The icon's edge shows within its outer pixel or two, light panel or
    // dark, so it never melts into a panel or a title bar.
    void iconIsBoundedOnEveryPanel()
    {
        QFETCH(int, size);
        QFETCH(QColor, panel);
        QVERIFY2(deepestEdge(onPanel(size, panel), panel) <= size / 8,
                 "an edge of the icon does not stand out from the panel");
    }

    void iconShowsATrainGraph_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48})
            QTest::addRow("%d px", size) << size;
    }

    // Small as it is, the icon still shows a train graph: three trains in
    // red, blue and green and, where there is room for them, three station
    // lines across.
    void iconShowsATrainGraph()
    {
        QFETCH(int, size);
        const QImage icon = onPanel(size, Qt::white);
        QVERIFY2(pixelsOfHue(icon, 345, 360) + pixelsOfHue(icon, 0, 15) >= size / 2, "no red train");
        QVERIFY2(pixelsOfHue(icon, 200, 240) >= size / 2, "no blue train");
        QVERIFY2(pixelsOfHue(icon, 100, 160) >= size / 2, "no green train");
        if (size >= 32)
            QCOMPARE(stationLines(icon), 3);
    }

    void screenshotToolShowsTheSample()
    {
        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("main-window.png"));
        QProcess tool;
        tool.start(QStringLiteral(TGX_TAKE_SCREENSHOT), {output});
        QVERIFY(tool.waitForFinished(60000));
        QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
                 tool.readAllStandardError().constData());
        const QImage screenshot(output);
        QVERIFY2(screenshot.width() >= 600 && screenshot.height() >= 400, "not a picture of the main window");
    }
};

QTEST_MAIN(ProgramImagesTest)
#include "program_images_test.moc"
