#pragma once

#include "printing/sheet_kinds.h"

#include <QStringList>

#include <memory>

class QFont;
class QPainter;
class QRectF;

namespace tgx {

class GraphContent;

// The body of a sheet split into pages. It is laid out once for the room a
// page leaves below its head and above its foot, so that the number of
// pages is known before the first is painted.
class SheetPages {
public:
    virtual ~SheetPages() = default;
    // Lays the sheet out for a body of this size (device pixels, measured
    // with painter's device); returns the number of pages, at least 1.
    virtual int layOut(QPainter &painter, const QRectF &body) = 0;
    // Paints page (from 0) of the last layout into body.
    virtual void paintPage(QPainter &painter, int page, const QRectF &body) const = 0;
};

// The pages of a document's sheet of kind. The line's graph is the one the
// view holds (graph); without one that sheet is empty.
std::unique_ptr<SheetPages> sheetPages(SheetKind kind, const QStringList &documentLines, const GraphContent *graph);

// Device pixels of painter's device per millimetre.
double pixelsPerMillimetre(const QPainter &painter);
// The face printed texts are set in, at a size in points.
QFont printFont(double points, bool bold = false);
// font with its letters never joined into ligatures ("fi" printed as one
// glyph), so that the text of a PDF reads, searches and copies as written.
QFont withoutLigatures(QFont font);

} // namespace tgx
