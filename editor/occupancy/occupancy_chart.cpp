#include "occupancy/occupancy_chart.h"

#include "document/error_guard.h"
#include "document/file_store.h"
#include "document/prompts.h"
#include "occupancy/chart_image.h"
#include "occupancy/chart_legend.h"
#include "occupancy/chart_painter.h"
#include "occupancy/findings_model.h"

#include <QAction>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tgx {

namespace {

const QString kSaveImage = QStringLiteral("Uložit obrázek...");
const QString kImageTitle = QStringLiteral("Obsazení kolejí"); // of the saved PDF
const QString kSaveError = QStringLiteral("Error 00H0");

constexpr double kShownAround = 15;    // minutes shown before and after trains brought into view
constexpr double kLegibleWidth = 60;   // pixels below which trains brought into view are zoomed in on

} // namespace

OccupancyChart::OccupancyChart(Prompts &prompts, ErrorGuard &guard, const FileStore &store, QWidget *parent)
    : TrainDragArea(ChartLayout::kTrackColumnWidth, ChartLayout::kHeaderHeight, TimeWindow(), parent)
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
    cancelDrag();
    m_content.setDragShift(0);
    m_content.setPlan(std::move(plan));
    updateScrollBars();
    viewport()->update();
}

void OccupancyChart::setSelectedLine(std::optional<int> line)
{
    m_content.setSelectedLines(line ? QList<int>{*line} : QList<int>());
    viewport()->update();
}

void OccupancyChart::showTrains(const QList<int> &lines)
{
    m_content.setSelectedLines(lines);
    const auto bars = m_content.selectedBars();
    if (!bars.isEmpty())
        bringTrainsIntoView(bars);
    viewport()->update();
}

void OccupancyChart::bringTrainsIntoView(const QList<std::pair<int, OccupancyBar>> &bars)
{
    int first = kMinutesPerDay, end = 0;
    for (const auto &[row, bar] : bars) {
        first = std::min(first, bar.first);
        end = std::max(end, bar.last + 1);
    }
    zoomIntoView(first, end, kShownAround, kLegibleWidth);
    showRowsOf(bars);
}

void OccupancyChart::showSelectedTrain()
{
    const auto bars = m_content.selectedBars();
    if (bars.isEmpty())
        return;
    const OccupancyBar &bar = bars.first().second;
    bringIntoView(bar.first, bar.last);
    showRowsOf({bars.first()});
    viewport()->update();
}

// Scrolls the rows, where needed, so that the lanes of bars show.
void OccupancyChart::showRowsOf(const QList<std::pair<int, OccupancyBar>> &bars)
{
    int top = std::numeric_limits<int>::max(), bottom = 0;
    const ChartFrame unscrolled = wholeDayFrame(1, m_content.rowOffsets(), viewFont());
    for (const auto &[row, bar] : bars) {
        const QRectF rect = unscrolled.barRect(row, bar);
        top = std::min(top, int(rect.top()) - ChartLayout::kHeaderHeight - ChartLayout::kBarInset);
        bottom = std::max(bottom, int(std::ceil(rect.bottom())) - ChartLayout::kHeaderHeight + ChartLayout::kBarInset);
    }
    QScrollBar *down = verticalScrollBar();
    if (bottom > down->value() + rowsAreaHeight())
        down->setValue(bottom - rowsAreaHeight());
    if (top < down->value())
        down->setValue(top);
}

void OccupancyChart::setSummaryOf(std::function<QString(int)> summaryOf)
{
    m_summaryOf = std::move(summaryOf);
}

ChartFrame OccupancyChart::frame() const
{
    return {viewport()->size(), grid(), verticalScrollBar()->value(), m_content.rowOffsets(), footerHeight()};
}

void OccupancyChart::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    paintChart(painter, m_content, frame(), viewFont());
}

int OccupancyChart::contentHeight() const
{
    return m_content.rowOffsets().last();
}

int OccupancyChart::verticalStep() const
{
    return ChartLayout::kRowHeight;
}

// The legend takes as many lines as the width needs; the scroll bars follow
// it at every resize.
int OccupancyChart::footerHeight() const
{
    return legendHeight(viewport()->width(), QFontMetrics(viewFont()));
}

const OccupancyBar *OccupancyChart::barAt(QPoint pos, int *row) const
{
    const ChartFrame now = frame();
    if (!now.inTimeArea(pos.x()))
        return nullptr;
    const int at = now.rowAt(pos.y());
    if (row)
        *row = at;
    if (at < 0)
        return nullptr;
    const int lane = now.laneAt(at, pos.y(), m_content.plan().rows[at].lanes);
    return m_content.barAt(at, lane, pos.x() + 0.5, now.grid);
}

std::optional<int> OccupancyChart::lineAt(QPoint pos) const
{
    const OccupancyBar *bar = barAt(pos);
    if (!bar)
        return std::nullopt;
    return m_content.plan().trains[bar->train].line;
}

void OccupancyChart::showDragShift(int minutes)
{
    m_content.setDragShift(minutes);
    viewport()->update();
}

bool OccupancyChart::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        showToolTip(help->pos(), help->globalPos());
        return true;
    }
    return TrainDragArea::viewportEvent(event);
}

void OccupancyChart::showToolTip(const QPoint &pos, const QPoint &globalPos)
{
    int row = -1;
    const OccupancyBar *bar = barAt(pos, &row);
    const OccupancyPlan &plan = m_content.plan();
    const QString summary = bar && m_summaryOf ? m_summaryOf(plan.trains[bar->train].line) : QString();
    if (summary.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalPos, trainToolTip(summary, plan, bar->train), viewport(),
                       frame().barRect(row, *bar).toAlignedRect());
}

void OccupancyChart::H0Click()
{
    const auto file = chooseChartImageFile(m_prompts, kImageTitle);
    if (!file)
        return;
    const QFont font = viewFont();
    const ChartFrame wholeDay = wholeDayFrame(frame().grid.pixelsPerMinute(), m_content.rowOffsets(), font);
    m_store.write(file->path, chartImageBytes(*file, wholeDay.size, [&](QPainter &painter) {
        paintChart(painter, m_content, wholeDay, font);
    }));
}

} // namespace tgx
