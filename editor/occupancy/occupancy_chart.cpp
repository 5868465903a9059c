#include "occupancy/occupancy_chart.h"

#include "document/error_guard.h"
#include "document/file_store.h"
#include "document/prompts.h"
#include "occupancy/chart_image.h"
#include "occupancy/chart_painter.h"

#include <QAction>
#include <QFontInfo>
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

constexpr double kZoomStep = 1.25;     // one wheel notch or key press
constexpr double kNotchesPerView = 10; // wheel notches that scroll one view's width sideways
constexpr int kWheelNotch = 120;       // angle delta of one wheel notch

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
    m_content.setSelectedLine(line);
    viewport()->update();
}

void OccupancyChart::showSelectedTrain()
{
    const auto selected = m_content.selectedBar();
    if (!selected)
        return;
    const auto &[row, bar] = *selected;
    // A bar already partly on screen stays where it is; another is brought in
    // with a quarter of the view before it, so that what precedes it shows.
    if (bar.last < m_window.left() || bar.first > m_window.left() + m_window.span())
        m_window.scrollTo(bar.first - m_window.span() / 4);
    updateScrollBars();
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

double OccupancyChart::timeAreaWidth() const
{
    return std::max(1, viewport()->width() - ChartLayout::kTrackColumnWidth);
}

ChartFrame OccupancyChart::frame() const
{
    return {viewport()->size(), m_window.grid(ChartLayout::kTrackColumnWidth, timeAreaWidth()),
            verticalScrollBar()->value()};
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
    const int rowsHeight = std::max(0, viewport()->height() - ChartLayout::kHeaderHeight);
    QScrollBar *down = verticalScrollBar();
    down->setRange(0, std::max(0, m_content.rowCount() * ChartLayout::kRowHeight - rowsHeight));
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
    const QFont font = chartFont();
    m_store.write(file.path, chartImageBytes(file, wholeDay.size, [&](QPainter &painter) {
        paintChart(painter, m_content, wholeDay, font);
    }));
}

} // namespace tgx
