#include "printing/sheet_pages.h"

#include "printing/chart_pages.h"
#include "printing/graph_pages.h"
#include "printing/table_pages.h"
#include "printing/sheet_table.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>

namespace tgx {

std::unique_ptr<SheetPages> sheetPages(SheetKind kind, const QStringList &documentLines, const GraphContent *graph)
{
    switch (kind) {
    case SheetKind::Occupancy:
        return std::make_unique<ChartPages>(documentLines);
    case SheetKind::LineGraph:
        return std::make_unique<GraphPages>(graph);
    case SheetKind::Departures:
    case SheetKind::Arrivals:
    case SheetKind::TrainList:
        break;
    }
    return std::make_unique<TablePages>(sheetTable(kind, documentLines));
}

double pixelsPerMillimetre(const QPainter &painter)
{
    return painter.device()->logicalDpiY() / 25.4;
}

QFont printFont(double points, bool bold)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return withoutLigatures(font);
}

QFont withoutLigatures(QFont font)
{
    // Qt joins no letters of a font with letter spacing; this one, the
    // least it keeps (1/64 pixel), moves nothing the eye can see.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
    return font;
}

} // namespace tgx
