#include "occupancy/occupancy_chart.h"

#include "document/error_guard.h"
#include "document/file_store.h"
#include "document/prompts.h"
#include "occupancy/chart_image.h"
#include "occupancy/chart_painter.h"
#include "occupancy/findings_model.h"

#include <QAction>
#include <QFontInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tgx {

namespace {

const QString kSaveImage = QStringLiteral("Uložit obrázek...");
const QString kSaveTitle = QStringLiteral("Uložit obrázek");
const QString kPngFilter = QStringLiteral("Obrázek PNG (*.png)");
const QString kPdfFilter = QStringLiteral("Dokument PDF (*.pdf)");
const QString kSaveError = QStringLiteral("Error 00H0");

constexpr double kZoomStep = 1.25;     // one wheel notch or key press
constexpr double kNotchesPerView = 10; // wheel notches that scroll one view's width sideways
constexpr int kWheelNotch = 120;       // angle delta of one wheel notch
constexpr double kShownAround = 15;    // minutes shown before and after trains brought into view
constexpr double kLegibleWidth = 60;   // pixels below which trains brought into view are zoomed in on

} // namespace

OccupancyChart::OccupancyChart(Prompts &prompts, ErrorGuard &guard, const FileStore &store, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_prompts(prompts)
    , m_guard(guard)
    , m_store(store)
{
    setObjectName(QStringLiteral("G9"));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
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
        bringIntoView(bars);
    viewport()->update();
}

void OccupancyChart::bringIntoView(const QList<std::pair<int, OccupancyBar>> &bars)
{
    int first = kMinutesPerDay, end = 0;
    for (const auto &[row, bar] : bars) {
        first = std::min(first, bar.first);
        end = std::max(end, bar.last + 1);
    }
    m_window.bringIntoView(first, end, kShownAround, timeAreaWidth(), kLegibleWidth);
    updateScrollBars();
    showRowsOf(bars);
}

void OccupancyChart::showSelectedTrain()
{
    const auto bars = m_content.selectedBars();
    if (bars.isEmpty())
        return;
    const OccupancyBar &bar = bars.first().second;
    // A bar already partly on screen stays where it is; another is brought in
    // with a quarter of the view before it, so that what precedes it shows.
    if (bar.last < m_window.left() || bar.first > m_window.left() + m_window.span())
        m_window.scrollTo(bar.first - m_window.span() / 4);
    updateScrollBars();
    showRowsOf({bars.first()});
    viewport()->update();
}

// Scrolls the rows, where needed, so that the lanes of bars show.
void OccupancyChart::showRowsOf(const QList<std::pair<int, OccupancyBar>> &bars)
{
    int top = std::numeric_limits<int>::max(), bottom = 0;
    const ChartFrame unscrolled = wholeDayFrame(1, m_content.rowOffsets());
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

double OccupancyChart::timeAreaWidth() const
{
    return std::max(1, viewport()->width() - ChartLayout::kTrackColumnWidth);
}

ChartFrame OccupancyChart::frame() const
{
    return {viewport()->size(), m_window.grid(ChartLayout::kTrackColumnWidth, timeAreaWidth()),
            verticalScrollBar()->value(), m_content.rowOffsets()};
}

int OccupancyChart::rowsAreaHeight() const
{
    return std::max(0, viewport()->height() - ChartLayout::kHeaderHeight - ChartLayout::kLegendHeight);
}

QFont OccupancyChart::chartFont() const
{
    // A pixel size takes the same room on the screen, in a PNG and in a PDF.
    QFont pixelSized = font();
    pixelSized.setPixelSize(QFontInfo(font()).pixelSize());
    return pixelSized;
}

void OccupancyChart::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    paintChart(painter, m_content, frame(), chartFont());
}

void OccupancyChart::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void OccupancyChart::updateScrollBars()
{
    m_settingScrollBars = true;
    const double pixelsPerMinute = timeAreaWidth() / m_window.span();
    QScrollBar *sideways = horizontalScrollBar();
    sideways->setRange(0, int(std::lround((kMinutesPerDay - m_window.span()) * pixelsPerMinute)));
    sideways->setPageStep(int(timeAreaWidth()));
    sideways->setSingleStep(std::max(1, int(timeAreaWidth() / kNotchesPerView)));
    sideways->setValue(int(std::lround(m_window.left() * pixelsPerMinute)));
    const int rowsHeight = rowsAreaHeight();
    QScrollBar *down = verticalScrollBar();
    down->setRange(0, std::max(0, m_content.rowOffsets().last() - rowsHeight));
    down->setPageStep(rowsHeight);
    down->setSingleStep(ChartLayout::kRowHeight);
    m_settingScrollBars = false;
}

void OccupancyChart::scrollContentsBy(int dx, int)
{
    if (dx != 0 && !m_settingScrollBars)
        m_window.scrollTo(horizontalScrollBar()->value() / (timeAreaWidth() / m_window.span()));
    viewport()->update();
}

void OccupancyChart::zoom(double factor, double anchorX)
{
    const double anchor = std::clamp((anchorX - ChartLayout::kTrackColumnWidth) / timeAreaWidth(), 0.0, 1.0);
    m_window.zoom(factor, anchor);
    updateScrollBars();
    viewport()->update();
}

void OccupancyChart::scrollSideways(double notches)
{
    m_window.scrollTo(m_window.left() - notches * m_window.span() / kNotchesPerView);
    updateScrollBars();
    viewport()->update();
}

void OccupancyChart::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        zoom(std::pow(kZoomStep, delta.y() / double(kWheelNotch)), event->position().x());
    } else if (event->position().x() < ChartLayout::kTrackColumnWidth && delta.x() == 0
               && !(event->modifiers() & Qt::ShiftModifier)) {
        // Over the track column the wheel moves the rows, should they not fit.
        verticalScrollBar()->setValue(verticalScrollBar()->value() - delta.y() * ChartLayout::kRowHeight / kWheelNotch);
    } else {
        scrollSideways((delta.x() != 0 ? delta.x() : delta.y()) / double(kWheelNotch));
    }
    event->accept();
}

void OccupancyChart::keyPressEvent(QKeyEvent *event)
{
    // "+" may need Shift, and Ctrl++ and the keypad count as well; "=" shares the key with "+" on many keyboards.
    const bool plain = !(event->modifiers() & ~(Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier));
    const int key = event->key();
    if (plain && (key == Qt::Key_Plus || key == Qt::Key_Equal || key == Qt::Key_Minus)) {
        const double centre = ChartLayout::kTrackColumnWidth + timeAreaWidth() / 2;
        zoom(key == Qt::Key_Minus ? 1 / kZoomStep : kZoomStep, centre);
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
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

void OccupancyChart::mousePressEvent(QMouseEvent *event)
{
    // A click beside the bars leaves the selection as it is.
    const auto line = event->button() == Qt::LeftButton ? lineAt(event->position().toPoint()) : std::nullopt;
    if (!line) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setSelectedLine(line);
    emit trainClicked(*line);
}

void OccupancyChart::mouseDoubleClickEvent(QMouseEvent *event)
{
    const auto line = event->button() == Qt::LeftButton ? lineAt(event->position().toPoint()) : std::nullopt;
    if (!line) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
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
    return QAbstractScrollArea::viewportEvent(event);
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
    const auto chosen = m_prompts.saveFile({kSaveTitle, kPngFilter + QStringLiteral(";;") + kPdfFilter, QString()});
    if (!chosen)
        return;
    const auto format = chosen->filter == kPdfFilter   ? std::optional(ChartImageFile::Format::Pdf)
                        : chosen->filter == kPngFilter ? std::optional(ChartImageFile::Format::Png)
                                                       : std::nullopt;
    const ChartImageFile file = chartImageFile(chosen->path, format);
    const ChartFrame wholeDay = wholeDayFrame(frame().grid.pixelsPerMinute(), m_content.rowOffsets());
    const QFont font = chartFont();
    m_store.write(file.path, chartImageBytes(file, wholeDay.size, [&](QPainter &painter) {
        paintChart(painter, m_content, wholeDay, font);
    }));
}

} // namespace tgx
