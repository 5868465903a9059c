// Draws the three pictures of the About dialog into the folder given as the
// only argument: the emblem (a small timetable graph, JPEG) and the author's
// and the maker's logos (PNG with a transparent background).

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

// A train path in the emblem: the points it runs through, as (minute, station row).
struct TrainPath {
    QColor colour;
    QList<QPointF> points;
};

QImage drawEmblem()
{
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Station rows at 14, 38, 62 and 86; hour ticks every 12 pixels.
    painter.setPen(QPen(QColor(200, 205, 215), 1));
    for (int x = 8; x <= 92; x += 12)
        painter.drawLine(x, 8, x, 92);
    painter.setPen(QPen(QColor(120, 130, 150), 1.5));
    for (int y = 14; y <= 86; y += 24)
        painter.drawLine(4, y, 96, y);

    const TrainPath paths[] = {
        {QColor(210, 30, 40), {{8, 14}, {26, 38}, {32, 38}, {50, 62}, {56, 62}, {74, 86}}},
        {QColor(30, 80, 200), {{20, 86}, {38, 62}, {42, 62}, {60, 38}, {66, 38}, {84, 14}}},
        {QColor(20, 150, 60), {{44, 14}, {62, 38}, {80, 62}, {92, 78}}},
        {QColor(240, 140, 0), {{8, 70}, {20, 62}, {30, 62}, {54, 38}, {60, 38}, {86, 14}}},
    };
    for (const TrainPath &path : paths) {
        painter.setPen(QPen(path.colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(path.points.data(), int(path.points.size()));
    }
    painter.setPen(QPen(QColor(60, 70, 90), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, 98, 98));
    return image;
}

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// The author's logo: two rails with sleepers under the letters "TGX".
QImage drawAuthorLogo()
{
    QImage image = transparentImage(140, 41);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(110, 80, 50), 3));
    for (int x = 6; x < 136; x += 10)
        painter.drawLine(x, 30, x + 4, 38);
    painter.setPen(QPen(QColor(70, 70, 80), 2));
    painter.drawLine(2, 32, 138, 32);
    painter.drawLine(2, 36, 138, 36);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(24);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(QColor(20, 70, 160));
    painter.drawText(QRect(0, 0, 140, 29), Qt::AlignCenter, QStringLiteral("TGX"));
    return image;
}

// The maker's logo: a red disc with a white "Z" and the name beside it.
QImage drawMakerLogo()
{
    QImage image = transparentImage(90, 44);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 25, 35));
    painter.drawEllipse(QRectF(2, 6, 32, 32));
    painter.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QList<QPointF>{{11, 14}, {25, 14}, {11, 30}, {25, 30}});

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(40, 40, 50));
    painter.drawText(QRect(36, 0, 54, 44), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Zelto"));
    return image;
}

bool save(const QImage &image, const QString &path, const char *format, int quality)
{
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool written = save(drawEmblem(), folder + QStringLiteral("/emblem.jpg"), "JPEG", 90)
        && save(drawAuthorLogo(), folder + QStringLiteral("/author_logo.png"), "PNG", -1)
        && save(drawMakerLogo(), folder + QStringLiteral("/maker_logo.png"), "PNG", -1);
    return written ? 0 : 1;
}
