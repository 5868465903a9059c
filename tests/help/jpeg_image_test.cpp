#include "help/jpeg_image.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTest>

using namespace tgx;

namespace {

QByteArray emblemBytes()
{
    QFile file(QStringLiteral(":/help/pictures/emblem.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Position of the first byte after the frame header marker (baseline SOF0).
qsizetype frameHeader(const QByteArray &jpeg)
{
    const qsizetype marker = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    return marker < 0 ? -1 : marker + 2;
}

// The emblem with its frame header's height and width replaced.
QByteArray withSize(int height, int width)
{
    QByteArray jpeg = emblemBytes();
    const qsizetype header = frameHeader(jpeg); // length (2), precision (1), height (2), width (2)
    jpeg[header + 3] = char(height >> 8);
    jpeg[header + 4] = char(height & 0xFF);
    jpeg[header + 5] = char(width >> 8);
    jpeg[header + 6] = char(width & 0xFF);
    return jpeg;
}

// The emblem with an end-of-image marker in the middle of its scan data.
QByteArray endedInsideScan()
{
    QByteArray jpeg = emblemBytes();
    const qsizetype scan = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype middle = (scan + jpeg.size()) / 2;
    jpeg[middle] = char(0xFF);
    jpeg[middle + 1] = char(0xD9);
    return jpeg;
}

QByteArray encodedByQt(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "JPEG", 100) ? bytes : QByteArray();
}

} // namespace

class JpegImageTest : public QObject {
    Q_OBJECT

private slots:
    void decodesTheEmblem();
    void keepsColoursInPlace();
    void refusesBrokenPictures_data();
    void refusesBrokenPictures();
};

void JpegImageTest::decodesTheEmblem()
{
    const QByteArray jpeg = emblemBytes();
    QVERIFY(jpeg.startsWith("\xFF\xD8"));
    QVERIFY(frameHeader(jpeg) > 0);
    const QImage image = decodeJpeg(jpeg);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(100, 100));
}

void JpegImageTest::keepsColoursInPlace()
{
    QImage source(16, 8, QImage::Format_RGB32);
    source.fill(Qt::white);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            source.setPixelColor(x, y, QColor(220, 20, 20));
    }
    const QByteArray jpeg = encodedByQt(source);
    QVERIFY(!jpeg.isEmpty());

    const QImage image = decodeJpeg(jpeg);
    QCOMPARE(image.size(), QSize(16, 8));
    const QColor red = image.pixelColor(3, 4);
    QVERIFY2(red.red() > 180 && red.green() < 60 && red.blue() < 60, qPrintable(red.name()));
    const QColor white = image.pixelColor(12, 4);
    QVERIFY2(white.red() > 230 && white.green() > 230 && white.blue() > 230, qPrintable(white.name()));
}

void JpegImageTest::refusesBrokenPictures_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray emblem = emblemBytes();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a JPEG") << QByteArray("GIF89a this is no JPEG at all");
    QTest::newRow("start marker only") << QByteArray("\xFF\xD8", 2);
    QTest::newRow("cut after the headers") << emblem.left(frameHeader(emblem) + 40);
    QTest::newRow("cut in half") << emblem.left(emblem.size() / 2);
    QTest::newRow("end marker missing") << emblem.chopped(2);
    QTest::newRow("end marker inside the scan") << endedInsideScan();
    QTest::newRow("zero width") << withSize(100, 0);
    QTest::newRow("too large to be an emblem") << withSize(60000, 60000);
}

void JpegImageTest::refusesBrokenPictures()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(decodeJpeg(bytes).isNull());
}

QTEST_GUILESS_MAIN(JpegImageTest)
#include "jpeg_image_test.moc"
