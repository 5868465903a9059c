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
