#include "document/main_window.h"

#include "document/document_history.h"
#include "document/error_guard.h"
#include "document/failure.h"
#include "document/header_lines.h"
#include "document/prompts.h"
#include "document/properties_dialog.h"
#include "document/recovery_keeper.h"
#include "document/source_view.h"
#include "document/status_panel.h"
#include "document/tool_bar_images.h"
#include "document/train_list_export.h"
#include "document/train_list_model.h"
#include "document/window_placement.h"
#include "editing/find_bar.h"
#include "editing/repeat_train_dialog.h"
#include "exchange/table_files.h"
#include "linegraph/line_graph_page.h"
#include "occupancy/document_analysis.h"
#include "occupancy/findings_pane.h"
#include "occupancy/occupancy_chart.h"
#include "trains/train_commands_texts.h"
#include "trains/train_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>

namespace tgx {

namespace {

const QString kTitle = QStringLiteral("TGX editor");
const QString kNoSimulator = QStringLiteral(
    "Není vybraný žádný simulátor. Otevřete nabídku Soubor -> Vlastnosti a zvolte, pro který simulátor je "
    "grafikon tvořený.");
const QString kConfirmRemove = QStringLiteral("Opravdu chcete odebrat vlak?");
const QString kModified = QStringLiteral("Změněno");

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 419;
constexpr int kFindingsHeight = 110;
constexpr int kStatusBarHeight = 22;
constexpr int kPanel0Width = 120;
constexpr int kPanel2Width = 70;

} // namespace

TA0::TA0(Prompts &prompts, ErrorGuard &guard, const FileStore &store)
    : m_prompts(prompts)
    , m_guard(guard)
    , m_store(store)
    , m_B0(new SourceView)
    , m_history(new DocumentHistory(*m_B0->document(), this))
    , m_buffer(*m_B0, *m_history)
    , m_lines(m_buffer)
    , m_files(m_lines, m_state, *this, prompts, guard, store)
{
    setObjectName(QStringLiteral("A0"));
    setWindowTitle(kTitle);
    setWindowIcon(ToolBarImages::programIcon());
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    createViews();
    createMenus();
    createToolBar();
    createStatusBar();
    // The findings pane comes below the views, which keep their height.
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height() + kFindingsHeight);
    resizeDocks({m_H1}, {kFindingsHeight}, Qt::Vertical);

    // Start-up is a new document whose own changes leave it unmodified.
    m_lines.setText(QString(HeaderLine::Count, u'\n'));
    m_lines.markSaved();
    m_state.DocumentModified = false;
    showFileName(DocumentFiles::kNewDocumentStatus);
    keepFiles();
}

TA0::~TA0() = default;

void TA0::setForms(TA1 *properties, QWidget *help, QWidget *about, TA4 *train, RepeatTrainDialog *repeat)
{
    m_properties = properties;
    m_help = help;
    m_about = about;
    m_train = train;
    m_repeat = repeat;
    // A train the user has just written is shown, wherever it went.
    connect(m_train, &TA4::trainStored, this, &TA0::showLine);
    connect(m_repeat, &RepeatTrainDialog::copiesAppended, this, &TA0::showLine);
}

void TA0::createStatusBar()
{
    QStatusBar *F9 = statusBar();
    F9->setObjectName(QStringLiteral("F9"));
    F9->setFixedHeight(kStatusBarHeight);
    F9->setSizeGripEnabled(true);
    m_panel0 = new StatusPanel(Qt::ElideRight);
    m_panel0->setObjectName(QStringLiteral("Panel0"));
    m_panel0->setFixedWidth(kPanel0Width);
    m_panel0->setAlignment(Qt::AlignCenter);
    m_panel1 = new StatusPanel(Qt::ElideMiddle);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel2 = new StatusPanel(Qt::ElideRight);
    m_panel2->setObjectName(QStringLiteral("Panel2"));
    m_panel2->setFixedWidth(kPanel2Width);
    m_panel2->setAlignment(Qt::AlignCenter);
    F9->addWidget(m_panel0);
    F9->addWidget(m_panel1, 1);
    F9->addWidget(m_panel2);
    connect(m_history, &DocumentHistory::modifiedChanged, this, &TA0::showModified);
}

// The unsaved state follows the history: back at the saved text, nothing is unsaved.
void TA0::showModified(bool modified)
{
    m_state.DocumentModified = modified;
    m_panel2->setPanelText(modified ? kModified : QString());
}

void TA0::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_placed) {
        centreOnDesktop(*this);
        m_placed = true;
    }
}

void TA0::B0Change()
{
    m_guard.runHandler(QStringLiteral("Error 00B0"), [this] { rebuildTrainList(); });
}

void TA0::rebuildTrainList()
{
    // The list is replaced as a whole at the end (or at a failure), which
    // clears it and its selection in one step.
    showModified(m_history->isModified());
    const QStringList documentLines = m_lines.allLines();
    m_panel0->setPanelText(documentLines.value(HeaderLine::Simulator - 1));
    // One decoding of the records serves the list, the chart and the findings.
    DocumentAnalysis analysis = analyseDocument(documentLines);
    m_trainList->setTrains(std::move(analysis.list)); // with a failure, the items before the failing record
    m_G9->setPlan(analysis.plan);
    m_G9->setSelectedLine(std::nullopt);
    m_L2->setDocument(std::move(analysis.statements));
    m_H1->setFindings(DocumentFindings(std::move(analysis.plan), m_L2->crossFindings()));
    if (analysis.listFailure)
        throw Failure(*analysis.listFailure);
}

std::optional<int> TA0::selectedTrainLine() const
{
    return m_trainList->documentLine(selectedRow());
}

int TA0::selectedRow() const
{
    const QModelIndexList selected = m_B1->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TA0::closeEvent(QCloseEvent *event)
{
    // While a dialog is open the window takes no input, and that includes the
    // window manager's close button: closing would end the program and lose
    // what the dialog holds. Nothing is asked; the dialog stays in charge.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    bool closing = false;
    m_guard.runHandler(QStringLiteral("Error 00A0"), [&] { closing = m_files.AskToSaveChanges(); });
    if (!closing) {
        event->ignore();
        return;
    }
    event->accept();
    QApplication::quit();
}

void TA0::openDialog(QWidget *dialog)
{
    setEnabled(false);
    dialog->show();
}

void TA0::D2Click() { m_files.newDocument(); }
void TA0::D3Click() { m_files.openDocument(); }
void TA0::D4Click() { m_files.save(); }
void TA0::D5Click() { m_files.SaveDocumentAs(); }
void TA0::D7Click() { exportTrainList(m_trainList->summaries(), m_prompts, m_store); }
void TA0::D8Click() { openDialog(m_properties); }
void TA0::E0Click() { close(); }
void TA0::F2Click() { openDialog(m_help); }
void TA0::F4Click() { openDialog(m_about); }

void TA0::E2Click()
{
    if (m_lines.line(HeaderLine::Simulator).isEmpty()) {
        m_prompts.inform(kNoSimulator);
        return;
    }
    openDialog(m_train);
    m_train->setWindowTitle(kAddTrainCaption);
}

void TA0::K1Click()
{
    exportTableFile(m_lines, m_state.DocumentFileName, m_prompts, m_store);
}

// The trains are checked for the timetable's simulator, as adding one is.
void TA0::K2Click()
{
    if (m_lines.line(HeaderLine::Simulator).isEmpty()) {
        m_prompts.inform(kNoSimulator);
        return;
    }
    const auto imported = importTableFile(m_lines, m_prompts, m_store);
    if (!imported)
        return;
    if (imported->count > 0)
        showLine(imported->firstLine);
    m_prompts.inform(importedMessage(imported->count));
}

void TA0::K4Click()
{
    openDialog(m_print);
}

const GraphContent &TA0::lineGraph()
{
    return m_L2->currentGraph();
}

void TA0::E3Click()
{
    const auto line = selectedTrainLine();
    if (!line) {
        m_prompts.inform(kNoTrainToEdit);
        return;
    }
    openTrainDialog(kEditTrainCaption, *line);
}

// Shows the train dialog with the caption that tells it to add or to edit,
// loaded from the record of a document line.
void TA0::openTrainDialog(const QString &caption, int loadedLine)
{
    openDialog(m_train);
    m_train->setWindowTitle(caption);
    m_train->loadRecord(m_lines.line(loadedLine));
}

void TA0::E4Click()
{
    const auto line = selectedTrainLine();
    if (!line) {
        m_prompts.inform(kNoTrainToRemove);
        return;
    }
    if (m_prompts.askYesNo(kConfirmRemove) == Prompts::Answer::Yes)
        m_lines.deleteLine(*line);
}

void TA0::showFileName(const QString &text)
{
    m_panel1->setPanelText(text);
}

void TA0::resetSimulatorChoice()
{
    m_properties->resetSimulatorChoice();
}

// What was being searched for belongs to the document that is gone.
void TA0::documentReplaced()
{
    m_H3->reset();
}

} // namespace tgx
