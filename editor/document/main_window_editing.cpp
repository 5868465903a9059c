#include "document/main_window.h"

#include "document/document_history.h"
#include "document/header_lines.h"
#include "document/prompts.h"
#include "document/source_view.h"
#include "document/train_list_model.h"
#include "editing/find_bar.h"
#include "editing/repeat_train_dialog.h"
#include "editing/train_drag.h"
#include "editing/train_find.h"
#include "editing/train_sort.h"
#include "linegraph/line_graph_page.h"
#include "occupancy/occupancy_chart.h"
#include "trains/train_commands_texts.h"

#include <QAction>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

// The main window's everyday editing commands: undo and redo over the
// document's history, copying, repeating, finding and sorting trains.
namespace tgx {

namespace {

// The first record line (from 1) whose text is record.
std::optional<int> firstLineHolding(const QStringList &lines, const QString &record)
{
    const qsizetype index = lines.indexOf(record, HeaderLine::FirstTrain - 1);
    return index < 0 ? std::nullopt : std::optional<int>(int(index + 1));
}

} // namespace

void TA0::createHistoryCommands(QMenu *editMenu)
{
    m_G1 = command("G1", QStringLiteral("Zpět"), &TA0::G1Click, QStringLiteral("Error 00G1"));
    m_G1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_G2 = command("G2", QStringLiteral("Znovu"), &TA0::G2Click, QStringLiteral("Error 00G2"));
    m_G2->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QAction *G3 = command("G3", QStringLiteral("Kopírovat vlak..."), &TA0::G3Click, QStringLiteral("Error 00G3"));
    G3->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QAction *G4 = command("G4", QStringLiteral("Opakovat vlak..."), &TA0::G4Click, QStringLiteral("Error 00G4"));
    G4->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    QAction *G5 = command("G5", QStringLiteral("Najít vlak..."), &TA0::G5Click, QStringLiteral("Error 00G5"));
    G5->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    QAction *G6 = command("G6", QStringLiteral("Seřadit vlaky podle času"), &TA0::G6Click, QStringLiteral("Error 00G6"));
    G6->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    editMenu->addActions({m_G1, m_G2, G3, G4, G5, G6});

    // One history for the commands and the typing in the source view, whose
    // Ctrl+Z and Ctrl+Y work on it as these commands do.
    m_G1->setEnabled(m_history->canUndo());
    m_G2->setEnabled(m_history->canRedo());
    connect(m_history, &DocumentHistory::undoAvailable, m_G1, &QAction::setEnabled);
    connect(m_history, &DocumentHistory::redoAvailable, m_G2, &QAction::setEnabled);
    qobject_cast<SourceView *>(m_B0)->setHistoryCommands(m_G1, m_G2);
}

void TA0::G1Click()
{
    showChangedLine(m_history->undo());
}

void TA0::G2Click()
{
    showChangedLine(m_history->redo());
}

// The view that is showing goes to the first line the step changed: the
// source view puts its cursor there, the list and the chart select the train
// there or, where it is gone, the one that took its place.
void TA0::showChangedLine(std::optional<int> line)
{
    if (!line)
        return;
    if (m_B0->isVisible()) {
        m_B0->setTextCursor(QTextCursor(m_B0->document()->findBlockByNumber(*line - 1)));
        m_B0->centerCursor();
    }
    if (*line < HeaderLine::FirstTrain)
        return;
    const int row = std::min(m_trainList->rowAtOrAfter(*line), m_trainList->rowCount() - 1);
    if (row >= 0)
        selectTrainRow(row);
}

void TA0::G3Click()
{
    const auto line = selectedTrainLine();
    if (!line) {
        m_prompts.inform(kNoTrainToCopy);
        return;
    }
    openTrainDialog(kAddTrainCaption, *line);
}

void TA0::G4Click()
{
    if (!selectedTrainLine()) {
        m_prompts.inform(kNoTrainToRepeat);
        return;
    }
    openDialog(m_repeat);
}

// Finding searches the trains of the view that shows.
void TA0::G5Click()
{
    m_H3->open();
    layOutViews();
}

// The selected train stays selected in its new place.
void TA0::G6Click()
{
    const auto selected = selectedTrainLine();
    const QString record = selected ? m_lines.line(*selected) : QString();
    sortTrainsByTime(m_lines);
    if (selected)
        selectTrainLine(firstLineHolding(m_lines.allLines(), record));
}

// The moved train stays selected.
void TA0::moveTrain(int line, int minutes)
{
    const QString moved = movedRecord(m_lines.line(line), minutes);
    {
        DocumentLines::Step step(m_lines);
        m_lines.replaceLine(line, moved);
    }
    selectTrainLine(line);
}

void TA0::findFrom(int row, const QString &text)
{
    const int found = findTrain(m_trainList->summaries(), text, row);
    m_H3->setFound(found >= 0);
    if (found >= 0)
        showLine(*m_trainList->documentLine(found));
}

// Where finding starts: at the current train, or after it for the next match.
// The current train is the selected one; in the source view, the one on the
// cursor's line, or the first below it when that line holds none.
int TA0::searchStart(bool afterCurrent) const
{
    if (!sourceViewShown()) {
        const int selected = selectedRow();
        return afterCurrent ? selected + 1 : std::max(selected, 0);
    }
    const int cursorLine = m_B0->textCursor().blockNumber() + 1;
    const int row = m_trainList->rowAtOrAfter(cursorLine);
    const bool onTrain = m_trainList->documentLine(row) == cursorLine;
    return afterCurrent && onTrain ? row + 1 : row;
}

void TA0::selectTrainLine(std::optional<int> line)
{
    const auto row = line ? m_trainList->rowOf(*line) : std::nullopt;
    if (row)
        selectTrainRow(*row);
}

void TA0::selectTrainRow(int row)
{
    const QModelIndex index = m_trainList->index(row);
    if (!index.isValid())
        return;
    m_B1->setCurrentIndex(index);
    m_B1->scrollTo(index);
    m_G9->showSelectedTrain();
    m_L2->showSelectedTrain();
}

} // namespace tgx
