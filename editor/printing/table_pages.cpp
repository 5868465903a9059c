#include "printing/table_pages.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

#include <algorithm>

namespace tgx {

namespace {

constexpr double kTextPoints = 9;
constexpr double kPaddingMillimetres = 1;
const QColor kHeadingBackground(225, 225, 225);
const QColor kRule(170, 170, 170);

QTextOption wrapping()
{
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

} // namespace

int TablePages::layOut(QPainter &painter, const QRectF &body)
{
    painter.setFont(printFont(kTextPoints));
    m_padding = kPaddingMillimetres * pixelsPerMillimetre(painter);
    layOutColumns(body.width());
    m_headingHeight = painter.fontMetrics().height() + 2 * m_padding;
    const double room = body.height() - m_headingHeight;
    m_heights.clear();
    m_pageStarts = {0};
    double filled = 0;
    for (qsizetype row = 0; row < m_table.rows.size(); ++row) {
        const double height = rowHeight(painter, m_table.rows[row], room);
        if (filled > 0 && filled + height > room) {
            m_pageStarts.append(int(row));
            filled = 0;
        }
        m_heights.append(height);
        filled += height;
    }
    m_pageStarts.append(int(m_table.rows.size()));
    return std::max(1, int(m_pageStarts.size()) - 1);
}

void TablePages::layOutColumns(double width)
{
    int shares = 0;
    for (const SheetColumn &column : m_table.columns)
        shares += column.share;
    m_lefts = {0};
    for (const SheetColumn &column : m_table.columns)
        m_lefts.append(m_lefts.last() + width * column.share / std::max(1, shares));
}

// A row is one line high unless its last cell wraps; a note too long for a
// whole page is cut at the page's end rather than running into the foot.
double TablePages::rowHeight(QPainter &painter, const QStringList &cells, double tallest) const
{
    const double line = painter.fontMetrics().height() + 2 * m_padding;
    const QRectF last = cellRect(int(m_table.columns.size()) - 1, QRectF(0, 0, m_lefts.last(), 1e6));
    const QString text = cells.value(m_table.columns.size() - 1);
    const double wrapped = text.isEmpty() ? 0 : painter.boundingRect(last, text, wrapping()).height() + 2 * m_padding;
    return std::min(std::max(line, wrapped), tallest);
}

QRectF TablePages::cellRect(int column, const QRectF &row) const
{
    return QRectF(row.left() + m_lefts[column], row.top(), m_lefts[column + 1] - m_lefts[column], row.height())
        .adjusted(m_padding, m_padding, -m_padding, -m_padding);
}

QList<std::pair<int, QRectF>> TablePages::rowsOnPage(int page, const QRectF &body) const
{
    QList<std::pair<int, QRectF>> rows {{-1, QRectF(body.topLeft(), QSizeF(body.width(), m_headingHeight))}};
    for (int row = m_pageStarts.value(page); row < m_pageStarts.value(page + 1); ++row) {
        const double top = rows.last().second.bottom();
        rows.append({row, QRectF(body.left(), top, body.width(), m_heights[row])});
    }
    return rows;
}

void TablePages::paintPage(QPainter &painter, int page, const QRectF &body) const
{
    QStringList headings;
    for (const SheetColumn &column : m_table.columns)
        headings << column.heading;
    painter.save();
    for (const auto &[row, rect] : rowsOnPage(page, body)) {
        const bool heading = row < 0;
        painter.setFont(printFont(kTextPoints, heading));
        if (heading)
            painter.fillRect(rect, kHeadingBackground);
        paintRow(painter, heading ? headings : m_table.rows[row], rect);
    }
    painter.restore();
}

void TablePages::paintRow(QPainter &painter, const QStringList &cells, const QRectF &rect) const
{
    const int last = int(m_table.columns.size()) - 1;
    painter.setPen(Qt::black);
    for (int column = 0; column <= last; ++column) {
        const QRectF cell = cellRect(column, rect);
        const QString text = cells.value(column);
        painter.save();
        painter.setClipRect(cell, Qt::IntersectClip);
        if (column == last)
            painter.drawText(cell, text, wrapping());
        else
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop,
                             painter.fontMetrics().elidedText(text, Qt::ElideRight, int(cell.width())));
        painter.restore();
    }
    painter.setPen(kRule);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
}

} // namespace tgx
