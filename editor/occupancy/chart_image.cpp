#include "occupancy/chart_image.h"

#include "document/failure.h"
#include "document/prompts.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace tgx {

namespace {

const QString kPngSuffix = QStringLiteral(".png");
const QString kPdfSuffix = QStringLiteral(".pdf");
const QString kSaveTitle = QStringLiteral("Uložit obrázek");
const QString kPngFilter = QStringLiteral("Obrázek PNG (*.png)");
const QString kPdfFilter = QStringLiteral("Dokument PDF (*.pdf)");
const QString kPdfCreator = QStringLiteral("TGX editor");
const QString kCannotSave = QStringLiteral("Obrázek nelze uložit „%1“: %2");
const QString kTooLarge = QStringLiteral("obrázek o rozměrech %1 × %2 bodů je příliš velký.");
const QString kCannotDraw = QStringLiteral("obrázek nelze nakreslit.");

[[noreturn]] void fail(const ChartImageFile &file, const QString &reason)
{
    throw Failure(kCannotSave.arg(file.path, reason));
}

QByteArray pngBytes(const ChartImageFile &file, QSize size, const std::function<void(QPainter &)> &paint)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        fail(file, kTooLarge.arg(size.width()).arg(size.height()));
    QPainter painter(&image);
    paint(painter);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        fail(file, kCannotDraw);
    return bytes;
}

QByteArray pdfBytes(const ChartImageFile &file, QSize size, const std::function<void(QPainter &)> &paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(file.title);
    writer.setCreator(kPdfCreator);
    writer.setResolution(72); // one point per pixel of the chart
    writer.setPageMargins(QMarginsF());
    writer.setPageSize(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch));
    QPainter painter;
    if (!painter.begin(&writer))
        fail(file, kCannotDraw);
    paint(painter);
    painter.end();
    return bytes;
}

} // namespace

ChartImageFile chartImageFile(const QString &chosenName, std::optional<ChartImageFile::Format> chosenFormat)
{
    if (chosenFormat) {
        const QString &suffix = *chosenFormat == ChartImageFile::Format::Pdf ? kPdfSuffix : kPngSuffix;
        const bool named = chosenName.endsWith(suffix, Qt::CaseInsensitive);
        return {named ? chosenName : chosenName + suffix, *chosenFormat};
    }
    if (chosenName.endsWith(kPdfSuffix, Qt::CaseInsensitive))
        return {chosenName, ChartImageFile::Format::Pdf};
    if (chosenName.endsWith(kPngSuffix, Qt::CaseInsensitive))
        return {chosenName, ChartImageFile::Format::Png};
    return {chosenName + kPngSuffix, ChartImageFile::Format::Png};
}

QByteArray chartImageBytes(const ChartImageFile &file, QSize size, const std::function<void(QPainter &)> &paint)
{
    return file.format == ChartImageFile::Format::Pdf ? pdfBytes(file, size, paint) : pngBytes(file, size, paint);
}

std::optional<ChartImageFile> chooseChartImageFile(Prompts &prompts, const QString &title)
{
    const auto chosen = prompts.saveFile({kSaveTitle, kPngFilter + QStringLiteral(";;") + kPdfFilter, QString()});
    if (!chosen)
        return std::nullopt;
    const auto format = chosen->filter == kPdfFilter   ? std::optional(ChartImageFile::Format::Pdf)
                        : chosen->filter == kPngFilter ? std::optional(ChartImageFile::Format::Png)
                                                       : std::nullopt;
    ChartImageFile file = chartImageFile(chosen->path, format);
    file.title = title;
    return file;
}

} // namespace tgx
