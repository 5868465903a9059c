#include "document/main_window.h"

#include "document/document_history.h"
#include "document/error_guard.h"
#include "document/prompts.h"
#include "document/source_view.h"
#include "document/train_list_model.h"
#include "editing/find_bar.h"
#include "occupancy/findings_pane.h"
#include "linegraph/line_graph_page.h"
#include "occupancy/occupancy_chart.h"

#include <QAction>
#include <QListView>
#include <QMenu>
#include <QTextBlock>

// The main window's three views of the document (the train list, the source
// text and the track occupancy chart), the find bar above them, the findings
// pane below them, and the one train selection they share.
namespace tgx {

namespace {

const QString kSourceWarning = QStringLiteral(
    "UPOZORNĚNÍ! Neodborným zásahem ve zdrojovém kódu může dojít k okamžitému ukončení tohoto programu nebo "
    "simulátoru, který tento grafikon bude používat.");
const QString kFindError = QStringLiteral("Error 00G5");
const QString kEditError = QStringLiteral("Error 00F3");
const QString kChartError = QStringLiteral("Error 00G9");
const QString kFindingsError = QStringLiteral("Error 00H1");
const QString kLineGraphError = QStringLiteral("Error 00L5");

constexpr int kMargin = 8;
constexpr QSize kSourceViewSize(616, 368);

} // namespace

void TA0::createViews()
{
    auto *client = new QWidget;
    setCentralWidget(client);
    createListView(client);
    createSourceView(client);
    createChart(client);
    createLineGraph(client);

    m_H3 = new FindBar(client);
    connect(m_H3, &FindBar::textEdited, this, [this](const QString &text) {
        m_guard.runHandler(kFindError, [&] { findFrom(searchStart(false), text); });
    });
    connect(m_H3, &FindBar::nextRequested, this, [this] {
        m_guard.runHandler(kFindError, [&] { findFrom(searchStart(true), m_H3->text()); });
    });
    connect(m_H3, &FindBar::dismissed, this, &TA0::layOutViews);

    m_H1 = new FindingsPane(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_H1);
    connect(m_H1, &FindingsPane::findingActivated, this, [this](int line, int otherLine, bool unreadable) {
        m_guard.runHandler(kFindingsError, [&] { showFinding(line, otherLine, unreadable); });
    });
}

void TA0::createListView(QWidget *client)
{
    m_trainList = new TrainListModel(this);
    m_B1 = new QListView(client);
    m_B1->setObjectName(QStringLiteral("B1"));
    m_B1->setModel(m_trainList);
    m_B1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_B1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_B1->setUniformItemSizes(true);
    QFont listFont(QStringLiteral("Verdana"));
    listFont.setPixelSize(13);
    m_B1->setFont(listFont);
    // The chart shows the list's selection, in whichever view it was made.
    connect(m_B1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        m_G9->setSelectedLine(selectedTrainLine());
        m_L2->setSelectedLine(selectedTrainLine());
    });
}

void TA0::createSourceView(QWidget *client)
{
    m_B0->setParent(client);
    m_B0->setObjectName(QStringLiteral("B0"));
    QFont sourceFont(QStringLiteral("Arial"));
    sourceFont.setPixelSize(12);
    m_B0->setFont(sourceFont);
    m_B0->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_B0->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_B0->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_B0->setGeometry(QRect(QPoint(kMargin, 0), kSourceViewSize));
    m_B0->hide();
    // The change handler runs once per command, and at every change typed.
    connect(m_history, &DocumentHistory::changed, this, &TA0::B0Change);
}

void TA0::createChart(QWidget *client)
{
    m_G9 = new OccupancyChart(m_prompts, m_guard, m_store, client);
    m_G9->hide();
    m_G9->setSummaryOf([this](int line) { return summaryOfLine(line); });
    connect(m_G9, &OccupancyChart::trainClicked, this,
            [this](int line) { m_guard.runHandler(kChartError, [&] { selectTrainLine(line); }); });
    connect(m_G9, &OccupancyChart::trainDragged, this, [this](int line, int minutes) {
        m_guard.runHandler(kChartError, [&] { moveTrain(line, minutes); });
    });
    // A double-click edits the train, as "Upravit vlak..." does for the selected one.
    connect(m_G9, &OccupancyChart::trainDoubleClicked, this, [this](int line) {
        m_guard.runHandler(kEditError, [&] {
            selectTrainLine(line);
            E3Click();
        });
    });
}

// The line's graph selects, edits and moves trains as the chart does.
void TA0::createLineGraph(QWidget *client)
{
    m_L2 = new LineGraphPage(m_prompts, m_guard, m_store, client);
    m_L2->hide();
    m_L2->setSummaryOf([this](int line) { return summaryOfLine(line); });
    connect(m_L2, &LineGraphPage::trainClicked, this,
            [this](int line) { m_guard.runHandler(kLineGraphError, [&] { selectTrainLine(line); }); });
    connect(m_L2, &LineGraphPage::trainDoubleClicked, this, [this](int line) {
        m_guard.runHandler(kEditError, [&] {
            selectTrainLine(line);
            E3Click();
        });
    });
    connect(m_L2, &LineGraphPage::trainDragged, this, [this](int line, int minutes) {
        m_guard.runHandler(kLineGraphError, [&] { moveTrain(line, minutes); });
    });
    connect(m_L2, &LineGraphPage::crossFindingsChanged, this,
            [this](const CrossTimetableFindings &findings) { m_H1->setCrossFindings(findings); });
}

// What a tooltip over a train says: its summary line in the list.
QString TA0::summaryOfLine(int line) const
{
    const auto row = m_trainList->rowOf(line);
    return row ? m_trainList->summary(*row) : m_lines.line(line);
}

// The window's context menu offers the tool bar; the findings pane is always
// shown, so it has no entry there.
QMenu *TA0::createPopupMenu()
{
    QMenu *menu = QMainWindow::createPopupMenu();
    if (menu) {
        menu->removeAction(m_H1->toggleViewAction());
        const QList<QAction *> entries = menu->actions();
        if (!entries.isEmpty() && entries.first()->isSeparator())
            menu->removeAction(entries.first());
    }
    return menu;
}

void TA0::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layOutViews();
}

// The list and the chart follow the window; the source view keeps its size.
// All stand below the find bar while it is shown.
void TA0::layOutViews()
{
    const QSize client = centralWidget()->size();
    const int top = m_H3->isVisible() ? m_H3->sizeHint().height() : 0;
    m_H3->setGeometry(0, 0, client.width(), top);
    const QRect followingWindow(kMargin, top, client.width() - 2 * kMargin, client.height() - top);
    m_B1->setGeometry(followingWindow);
    m_G9->setGeometry(followingWindow);
    m_L2->setGeometry(followingWindow);
    m_B0->move(kMargin, top);
}

void TA0::showView(QWidget *view, QAction *menuItem)
{
    for (QWidget *each : std::initializer_list<QWidget *>{m_B1, m_B0, m_G9, m_L2})
        each->setVisible(each == view);
    menuItem->setChecked(true);
    // The shown view takes the keys, so that none reaches a hidden one.
    view->setFocus();
}

void TA0::E9Click()
{
    showView(m_B1, m_E9);
}

void TA0::F0Click()
{
    showView(m_B0, m_F0);
    m_prompts.inform(kSourceWarning);
}

void TA0::G7Click()
{
    showView(m_G9, m_G7);
    m_G9->showSelectedTrain();
}

void TA0::L0Click()
{
    showView(m_L2, m_L0);
    m_L2->showSelectedTrain();
}

bool TA0::sourceViewShown() const
{
    return !m_B0->isHidden();
}

// A line to show (a found train's, one just written): its train selected,
// and in the source view the line itself.
void TA0::showLine(int line)
{
    selectTrainLine(line);
    if (sourceViewShown())
        selectSourceLine(line);
}

// A finding: its train selected, and shown in the view at hand, in the chart
// together with the other train it names, in the source view as its line in
// the middle of the view, with the keys there. A record that cannot be read
// is shown where it can be seen, in the source view.
void TA0::showFinding(int line, int otherLine, bool unreadable)
{
    selectTrainLine(line);
    if (unreadable && !sourceViewShown())
        F0Click();
    if (!m_G9->isHidden()) {
        m_G9->showTrains(otherLine ? QList<int>{line, otherLine} : QList<int>{line});
    } else if (sourceViewShown() && selectSourceLine(line)) {
        m_B0->centerCursor();
        m_B0->setFocus();
    }
}

// Selects line in the source view; false when there is no such line.
bool TA0::selectSourceLine(int line)
{
    const QTextBlock block = m_B0->document()->findBlockByNumber(line - 1);
    if (!block.isValid())
        return false;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    m_B0->setTextCursor(cursor);
    m_B0->ensureCursorVisible();
    return true;
}

} // namespace tgx
