#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QPainter;

namespace tgx {

class Prompts;

// A file the chart's picture is saved to, and what kind of file it is.
struct ChartImageFile {
    enum class Format { Png, Pdf };
    QString path;
    Format format = Format::Png;
    QString title; // of a PDF: the view's name
};

// The file a name chosen in the save dialog stands for. With the format of
// the chosen filter, the file is of that format, and its suffix (".png" or
// ".pdf", in any case) is appended unless the name ends in it already, so
// that the name never belies the content. Without one, a name ending in
// ".pdf" is a PDF and one ending in ".png" a PNG; any other gets ".png".
ChartImageFile chartImageFile(const QString &chosenName, std::optional<ChartImageFile::Format> chosenFormat);

// Asks for the file the picture of the view called title is saved to
// ("Uložit obrázek", PNG or PDF); nothing when the dialog was cancelled.
std::optional<ChartImageFile> chooseChartImageFile(Prompts &prompts, const QString &title);

// The bytes of file's picture of size pixels, drawn by paint: a PNG image,
// or a one-page PDF whose page measures one point per pixel. Fails with a
// description naming the file when the picture cannot be made.
QByteArray chartImageBytes(const ChartImageFile &file, QSize size, const std::function<void(QPainter &)> &paint);

} // namespace tgx
