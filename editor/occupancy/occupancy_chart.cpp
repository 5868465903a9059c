#include "occupancy/occupancy_chart.h"

#include "document/error_guard.h"
#include "document/file_store.h"
#include "document/prompts.h"
#include "occupancy/chart_image.h"
#include "occupancy/chart_painter.h"

#include <QAction>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace tgx {

namespace {

const QString kSaveImage = QStringLiteral("Uložit obrázek...");
const QString kSaveTitle = QStringLiteral("Uložit obrázek");
const QString kPngFilter = QStringLiteral("Obrázek PNG (*.png)");
const QString kPdfFilter = QStringLiteral("Dokument PDF (*.pdf)");
const QString kSaveError = QStringLiteral("Error 00H0");


} // namespace

OccupancyChart::OccupancyChart(Prompts &prompts, ErrorGuard &guard, const FileStore &store, QWidget *parent)
    : DayScrollArea(ChartLayout::kTrackColumnWidth, ChartLayout::kHeaderHeight, TimeWindow(), parent)
    , m_prompts(prompts)
    , m_guard(guard)
    , m_store(store)
{
    setObjectName(QStringLiteral("G9"));
    createSaveAction();
    updateScrollBars();
}

void OccupancyChart::createSaveAction()
{
    auto *H0 = new QAction(kSaveImage, this);
    H0->setObjectName(QStringLiteral("H0"));
    connect(H0, &QAction::triggered, this, [this] { m_guard.runHandler(kSaveError, [this] { H0Click(); }); });
    addAction(H0);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void OccupancyChart::setPlan(OccupancyPlan plan)
{
    // A changed document may hold another train on the dragged one's line.
    m_drag.cancel();
    m_content.setDragShift(0);
    m_content.setPlan(std::move(plan));
    updateScrollBars();
    viewport()->update();
}

void OccupancyChart::setSelectedLine(std::optional<int> line)
{
    m_content.setSelectedLine(line);
    viewport()->update();
}

void OccupancyChart::showSelectedTrain()
{
    const auto selected = m_content.selectedBar();
    if (!selected)
        return;
    const auto &[row, bar] = *selected;
    bringIntoView(bar.first, bar.last);
    QScrollBar *down = verticalScrollBar();
    const int top = row * ChartLayout::kRowHeight;
    const int rowsHeight = std::max(0, viewport()->height() - ChartLayout::kHeaderHeight);
    if (top < down->value())
        down->setValue(top);
    else if (top + ChartLayout::kRowHeight > down->value() + rowsHeight)
        down->setValue(top + ChartLayout::kRowHeight - rowsHeight);
    viewport()->update();
}

void OccupancyChart::setSummaryOf(std::function<QString(int)> summaryOf)
{
    m_summaryOf = std::move(summaryOf);
}

ChartFrame OccupancyChart::frame() const
{
    return {viewport()->size(), grid(), verticalScrollBar()->value()};
}

void OccupancyChart::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    paintChart(painter, m_content, frame(), viewFont());
}

int OccupancyChart::contentHeight() const
{
    return m_content.rowCount() * ChartLayout::kRowHeight;
}

int OccupancyChart::verticalStep() const
{
    return ChartLayout::kRowHeight;
}

void OccupancyChart::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_drag.active()) {
        m_drag.cancel();
        showDrag();
        event->accept();
        return;
    }
    DayScrollArea::keyPressEvent(event);
}

const OccupancyBar *OccupancyChart::barAt(QPoint pos, int *row) const
{
    const ChartFrame now = frame();
    if (!now.inTimeArea(pos.x()))
        return nullptr;
    const int at = now.rowAt(pos.y(), m_content.rowCount());
    if (row)
        *row = at;
    return at < 0 ? nullptr : m_content.barAt(at, pos.x() + 0.5, now.grid);
}

std::optional<int> OccupancyChart::lineAt(QPoint pos) const
{
    const OccupancyBar *bar = barAt(pos);
    if (!bar)
        return std::nullopt;
    return m_content.plan().trains[bar->train].line;
}

void OccupancyChart::mousePressEvent(QMouseEvent *event)
{
    // A click beside the bars leaves the selection as it is.
    const auto line = event->button() == Qt::LeftButton ? lineAt(event->position().toPoint()) : std::nullopt;
    if (!line) {
        DayScrollArea::mousePressEvent(event);
        return;
    }
    setSelectedLine(line);
    emit trainClicked(*line);
    m_drag.start(*line, minuteAt(event->position()));
}

void OccupancyChart::mouseMoveEvent(QMouseEvent *event)
{
    if (m_drag.active() && m_drag.moveTo(minuteAt(event->position())))
        showDrag();
    DayScrollArea::mouseMoveEvent(event);
}

void OccupancyChart::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_drag.active()) {
        DayScrollArea::mouseReleaseEvent(event);
        return;
    }
    const auto move = m_drag.finish();
    showDrag();
    if (move)
        emit trainDragged(move->line, move->minutes);
}

void OccupancyChart::showDrag()
{
    m_content.setDragShift(m_drag.minutes());
    viewport()->update();
}

void OccupancyChart::mouseDoubleClickEvent(QMouseEvent *event)
{
    const auto line = event->button() == Qt::LeftButton ? lineAt(event->position().toPoint()) : std::nullopt;
    if (!line) {
        DayScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    setSelectedLine(line);
    emit trainDoubleClicked(*line);
}

bool OccupancyChart::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        showToolTip(help->pos(), help->globalPos());
        return true;
    }
    return DayScrollArea::viewportEvent(event);
}

void OccupancyChart::showToolTip(const QPoint &pos, const QPoint &globalPos)
{
    int row = -1;
    const OccupancyBar *bar = barAt(pos, &row);
    const QString summary = bar && m_summaryOf ? m_summaryOf(m_content.plan().trains[bar->train].line) : QString();
    if (summary.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    const ChartFrame now = frame();
    const auto [left, right] = now.grid.barSpan(bar->first, bar->last);
    const QRect barRect(QPoint(int(std::floor(left)), now.rowTop(row)),
                        QPoint(int(std::ceil(right)), now.rowTop(row) + ChartLayout::kRowHeight - 1));
    // Plain text: a train's note is shown as it stands, never read as markup.
    QToolTip::showText(globalPos, Qt::convertFromPlainText(summary, Qt::WhiteSpacePre), viewport(), barRect);
}

void OccupancyChart::H0Click()
{
    const auto chosen = m_prompts.saveFileName({kSaveTitle, kPngFilter + QStringLiteral(";;") + kPdfFilter, QString()});
    if (!chosen)
        return;
    const ChartImageFile file = chartImageFile(*chosen);
    const ChartFrame wholeDay = wholeDayFrame(frame().grid.pixelsPerMinute(), m_content.rowCount());
    const QFont font = viewFont();
    m_store.write(file.path, chartImageBytes(file, wholeDay.size, [&](QPainter &painter) {
        paintChart(painter, m_content, wholeDay, font);
    }));
}

} // namespace tgx
