// Renders the program icon, as the program itself paints it
// (ToolBarImages::paintProgramIcon), into the folder given as the only
// argument: tgxeditor-<size>.png for each size of the hicolor theme installed,
// and tgxeditor.svg for its scalable folder.

#include "document/tool_bar_images.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr int kPngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kSvgSize = 256;

bool writePng(const QDir &folder, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    tgx::ToolBarImages::paintProgramIcon(painter, size);
    painter.end();
    return image.save(folder.filePath(QStringLiteral("tgxeditor-%1.png").arg(size)));
}

bool writeSvg(const QDir &folder)
{
    QSvgGenerator svg;
    svg.setFileName(folder.filePath(QStringLiteral("tgxeditor.svg")));
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setResolution(96); // the nominal size is kSvgSize CSS pixels
    svg.setTitle(QStringLiteral("TGX editor"));
    svg.setDescription(QStringLiteral("A train graph: three trains over three station lines"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    tgx::ToolBarImages::paintProgramIcon(painter, kSvgSize);
    return painter.end();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool written = writeSvg(folder);
    for (int size : kPngSizes)
        written = writePng(folder, size) && written;
    if (!written) {
        std::fprintf(stderr, "could not write the icons into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
