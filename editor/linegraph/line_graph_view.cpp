#include "linegraph/line_graph_view.h"

#include "document/error_guard.h"
#include "document/file_store.h"
#include "document/prompts.h"
#include "linegraph/graph_painter.h"
#include "occupancy/chart_image.h"

#include <QAction>
#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace tgx {

namespace {

const QString kSaveImage = QStringLiteral("Uložit obrázek...");
const QString kImageTitle = QStringLiteral("Grafikon trati"); // of the saved PDF
const QString kSaveError = QStringLiteral("Error 00L9");

constexpr double kNarrowestSpan = 20; // minutes on screen at the closest zoom

} // namespace

LineGraphView::LineGraphView(Prompts &prompts, ErrorGuard &guard, const FileStore &store, QWidget *parent)
    : TrainDragArea(GraphLayout::kNameColumnWidth, GraphLayout::kHeaderHeight, TimeWindow(kNarrowestSpan), parent)
    , m_prompts(prompts)
    , m_guard(guard)
    , m_store(store)
{
    setObjectName(QStringLiteral("L5"));
    createSaveAction();
    updateScrollBars();
}

void LineGraphView::createSaveAction()
{
    auto *L9 = new QAction(kSaveImage, this);
    L9->setObjectName(QStringLiteral("L9"));
    connect(L9, &QAction::triggered, this, [this] { m_guard.runHandler(kSaveError, [this] { saveImage(); }); });
    addAction(L9);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void LineGraphView::setGraph(LineGraph graph)
{
    // A changed graph may hold another train on the dragged one's line.
    cancelDrag();
    m_content.setDragShift(0);
    m_content.setGraph(std::move(graph));
    updateScrollBars();
    viewport()->update();
}

void LineGraphView::setSelectedLine(std::optional<int> line)
{
    m_content.setSelectedLine(line);
    viewport()->update();
}

void LineGraphView::showSelectedTrain()
{
    const int selected = m_content.selectedTrain();
    if (selected < 0)
        return;
    const GraphTrain &train = m_content.graph().trains[selected];
    bringIntoView(train.points.first().minute, train.points.last().minute);
    // The rows it runs over, in the scrolled rows' own distances.
    const auto [top, bottom] = std::minmax_element(train.points.cbegin(), train.points.cend(),
                                                   [](const GraphPoint &a, const GraphPoint &b) { return a.row < b.row; });
    const QList<GraphRow> &rows = m_content.graph().rows;
    const int first = int(rows[top->row].y * yScale());
    const int last = int(std::ceil(rows[bottom->row].y * yScale())) + 2 * GraphLayout::kMargin;
    QScrollBar *down = verticalScrollBar();
    if (last > down->value() + rowsAreaHeight())
        down->setValue(last - rowsAreaHeight());
    if (first < down->value())
        down->setValue(first);
    viewport()->update();
}

void LineGraphView::setToolTipOf(std::function<QString(int)> toolTipOf)
{
    m_toolTipOf = std::move(toolTipOf);
}

double LineGraphView::yScale() const
{
    return graphYScale(m_content.graph().height(), viewport()->height() - GraphLayout::kHeaderHeight);
}

GraphFrame LineGraphView::frame() const
{
    return {viewport()->size(), grid(), yScale(), verticalScrollBar()->value()};
}

int LineGraphView::contentHeight() const
{
    return graphContentHeight(m_content.graph().height(), yScale());
}

int LineGraphView::verticalStep() const
{
    return GraphLayout::kMargin;
}

void LineGraphView::paintEvent(QPaintEvent *)
{
    const GraphFrame now = frame();
    const QFont font = viewFont();
    paintUnselectedLayer(now, font);
    QPainter painter(viewport());
    painter.drawPixmap(0, 0, m_unselected);
    paintSelectedTrain(painter, m_content, now, font);
}

void LineGraphView::paintUnselectedLayer(const GraphFrame &now, const QFont &font)
{
    const qreal ratio = viewport()->devicePixelRatioF();
    const auto paintedFor = std::tuple(m_content.revision(), now.size, now.grid.origin(), now.grid.pixelsPerMinute(),
                                       now.yScale, now.scroll, font, ratio);
    if (paintedFor == m_unselectedFor && !m_unselected.isNull())
        return;
    m_unselected = QPixmap(now.size * ratio);
    m_unselected.setDevicePixelRatio(ratio);
    QPainter painter(&m_unselected);
    paintUnselectedTrains(painter, m_content, now, font);
    m_unselectedFor = paintedFor;
}

void LineGraphView::resizeEvent(QResizeEvent *event)
{
    TrainDragArea::resizeEvent(event);
    viewport()->update();
}

int LineGraphView::trainAt(QPoint pos) const
{
    const GraphFrame now = frame();
    if (!now.inTimeArea(pos.x()) || pos.y() < GraphLayout::kHeaderHeight)
        return -1;
    return m_content.trainAt(pos, now);
}

// Only the document's trains are selected, edited and moved.
std::optional<int> LineGraphView::trainLineAt(QPoint pos) const
{
    const int train = trainAt(pos);
    const int line = train < 0 ? 0 : m_content.graph().trains[train].documentLine;
    return line > 0 ? std::optional<int>(line) : std::nullopt;
}

void LineGraphView::showDragShift(int minutes)
{
    m_content.setDragShift(minutes);
    viewport()->update();
}

bool LineGraphView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return TrainDragArea::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int train = trainAt(help->pos());
    const QString text = train >= 0 && m_toolTipOf ? m_toolTipOf(train) : QString();
    if (text.isEmpty())
        QToolTip::hideText();
    else // plain text: a train's note is shown as it stands, never read as markup
        QToolTip::showText(help->globalPos(), Qt::convertFromPlainText(text, Qt::WhiteSpacePre), viewport());
    return true;
}

void LineGraphView::saveImage()
{
    const auto file = chooseChartImageFile(m_prompts, kImageTitle);
    if (!file)
        return;
    const GraphFrame wholeDay = wholeDayGraphFrame(grid().pixelsPerMinute(), m_content.graph().height(), yScale());
    const QFont font = viewFont();
    m_store.write(file->path, chartImageBytes(*file, wholeDay.size, [&](QPainter &painter) {
        paintLineGraph(painter, m_content, wholeDay, font);
    }));
}

} // namespace tgx
