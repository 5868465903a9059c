#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace tgx {

// A file the chart's picture is saved to, and what kind of file it is.
struct ChartImageFile {
    enum class Format { Png, Pdf };
    QString path;
    Format format = Format::Png;
};

// The file a name chosen in the save dialog stands for: a name ending in
// ".pdf" is a PDF and one ending in ".png" a PNG (in any case); any other
// name gets ".png" appended.
ChartImageFile chartImageFile(const QString &chosenName);

// The bytes of file's picture of size pixels, drawn by paint: a PNG image,
// or a one-page PDF whose page measures one point per pixel. Fails with a
// description naming the file when the picture cannot be made.
QByteArray chartImageBytes(const ChartImageFile &file, QSize size, const std::function<void(QPainter &)> &paint);

} // namespace tgx
