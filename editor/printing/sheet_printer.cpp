#include "printing/sheet_printer.h"

#include "document/failure.h"
#include "printing/sheet_kinds.h"
#include "printing/sheet_pages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace tgx {

namespace {

const QString kCannotPrint = QStringLiteral("Tisk nelze začít: zařízení nebo soubor nelze otevřít pro zápis.");
const QString kHeadJoin = QStringLiteral(" – ");

constexpr double kHeadPoints = 10;
constexpr double kFootPoints = 8;
constexpr double kGapMillimetres = 3; // between the head or the foot and the body
constexpr double kMarginMillimetres = 12;

// The head and foot of every page and the room between them.
class PageFrame {
public:
    PageFrame(QPainter &painter, const PageHead &texts) : m_p(painter), m_texts(texts)
    {
        const QPaintDevice &device = *painter.device();
        const QRectF page(0, 0, device.width(), device.height());
        const double gap = kGapMillimetres * pixelsPerMillimetre(painter);
        const double headHeight = 2 * QFontMetricsF(printFont(kHeadPoints, true), &device).height();
        const double footHeight = QFontMetricsF(printFont(kFootPoints), &device).height();
        m_head = QRectF(page.left(), page.top(), page.width(), headHeight);
        m_foot = QRectF(page.left(), page.bottom() - footHeight, page.width(), footHeight);
        m_body = QRectF(page.left(), m_head.bottom() + gap, page.width(), m_foot.top() - m_head.bottom() - 2 * gap);
    }

    const QRectF &body() const { return m_body; }

    void paint(int page, int pages)
    {
        m_p.save();
        m_p.setPen(Qt::black);
        const QRectF top(m_head.topLeft(), QSizeF(m_head.width(), m_head.height() / 2));
        const QRectF bottom = top.translated(0, top.height());
        m_p.setFont(printFont(kHeadPoints, true));
        m_p.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, m_texts.title + kHeadJoin + m_texts.name);
        m_p.setFont(printFont(kHeadPoints));
        m_p.drawText(top, Qt::AlignRight | Qt::AlignVCenter, m_texts.date);
        m_p.drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter, m_texts.simulator);
        m_p.drawLine(m_head.bottomLeft(), m_head.bottomRight());
        m_p.setFont(printFont(kFootPoints));
        m_p.drawText(m_foot, Qt::AlignCenter, pageFoot(page, pages));
        m_p.restore();
    }

private:
    QPainter &m_p;
    PageHead m_texts;
    QRectF m_head;
    QRectF m_foot;
    QRectF m_body;
};

} // namespace

void setSheetPage(QPagedPaintDevice &device, SheetKind kind)
{
    const bool lying = kind == SheetKind::Occupancy || kind == SheetKind::LineGraph;
    const QMarginsF margins(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres);
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), lying ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     margins, QPageLayout::Millimeter));
}

int printSheet(QPagedPaintDevice &device, const PageHead &head, SheetPages &pages)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw Failure(kCannotPrint);
    PageFrame frame(painter, head);
    const int count = pages.layOut(painter, frame.body());
    for (int page = 0; page < count; ++page) {
        if (page > 0)
            device.newPage();
        frame.paint(page + 1, count);
        painter.save();
        painter.setClipRect(frame.body());
        pages.paintPage(painter, page, frame.body());
        painter.restore();
    }
    painter.end();
    return count;
}

} // namespace tgx
