#pragma once

#include "printing/sheet_pages.h"
#include "printing/sheet_table.h"

#include <QList>
#include <QRectF>

#include <utility>

namespace tgx {

// A table sheet over pages: the headings on top of every page, then as many
// whole rows as fit. A row is never split between pages nor painted over:
// each cell is clipped to its own rectangle, the last column wraps its text
// and the others elide theirs.
class TablePages : public SheetPages {
public:
    explicit TablePages(SheetTable table) : m_table(std::move(table)) {}

    int layOut(QPainter &painter, const QRectF &body) override;
    void paintPage(QPainter &painter, int page, const QRectF &body) const override;

    // Where the rows of page (from 0) of the last layout go within body:
    // the headings first (row -1), then each row of the page by its index.
    QList<std::pair<int, QRectF>> rowsOnPage(int page, const QRectF &body) const;

private:
    void layOutColumns(double width);
    double rowHeight(QPainter &painter, const QStringList &cells, double tallest) const;
    void paintRow(QPainter &painter, const QStringList &cells, const QRectF &rect) const;
    QRectF cellRect(int column, const QRectF &row) const;

    SheetTable m_table;
    QList<double> m_lefts;    // each column's left from the body's, then the body's width
    QList<double> m_heights;  // of each row
    QList<int> m_pageStarts;  // the first row of each page, then the number of rows
    double m_headingHeight = 0;
    double m_padding = 0;
};

} // namespace tgx
