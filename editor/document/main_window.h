#pragma once

#include "document/document_files.h"
#include "document/document_lines.h"
#include "document/document_state.h"
#include "document/recent_files.h"
#include "document/source_text_buffer.h"
#include "document/train_selection.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QMenu;
class QListView;
class QPlainTextEdit;

namespace tgx {

class DocumentHistory;
class ErrorGuard;
class FileStore;
class FindBar;
class FindingsPane;
class GraphContent;
class LineGraphPage;
class OccupancyChart;
class RepeatTrainDialog;
class Prompts;
class RecoveryFolder;
class RecoveryKeeper;
class StatusPanel;
class TA1;
class TA4;
class TrainListModel;

// The main window: holds the document (the lines of the hidden source view
// `B0`), shows it as the train list `B1`, as raw text or as the track
// occupancy chart `G9` with the timetable's findings below, and routes every
// command.
class TA0 : public QMainWindow, public TrainSelection, private DocumentFilesView {
    Q_OBJECT

public:
    TA0(Prompts &prompts, ErrorGuard &guard, const FileStore &store);
    ~TA0() override;

    // The dialogs, created after the main window.
    void setForms(TA1 *properties, QWidget *help, QWidget *about, TA4 *train, RepeatTrainDialog *repeat);
    void setPrintPreview(QWidget *preview) { m_print = preview; }

    DocumentLines &lines() { return m_lines; }
    DocumentState &state() { return m_state; }

    std::optional<int> selectedTrainLine() const override;
    int selectedRow() const; // -1 when no train is selected

    // Menu and tool-bar commands.
    void D2Click(); // New
    void D3Click(); // Open
    void D4Click(); // Save
    void D5Click(); // Save as
    void D7Click(); // Export
    void D8Click(); // Properties
    void E0Click(); // Exit
    void E2Click(); // Add train
    void E3Click(); // Edit train
    void E4Click(); // Remove train
    void E9Click(); // List view
    void F0Click(); // Source view
    void F2Click(); // Help
    void F4Click(); // About
    void G1Click(); // Undo
    void G2Click(); // Redo
    void G3Click(); // Copy train
    void G4Click(); // Repeat train
    void G5Click(); // Find train
    void G6Click(); // Sort trains by time
    void G7Click(); // Track occupancy view
    void K1Click(); // Export to a table
    void K2Click(); // Import from a table
    void K4Click(); // Print
    void L0Click(); // Line graph view

    // Opens a file as Open does after its dialog, inside Open's guard: for
    // the file the program is started with.
    void openFile(const QString &path);
    // Opens a file as Open does after its dialog, after the question about
    // unsaved changes: a dropped file, a recent one.
    void openPath(const QString &path);
    // Offers the unsaved work of an editor that ended without closing; true
    // when it was taken.
    bool offerRecovery();

    // The line's graph as its view holds it, up to date: what "Tisk..." prints.
    const GraphContent &lineGraph();

    QMenu *createPopupMenu() override; // the window's context menu

protected:
    void closeEvent(QCloseEvent *event) override; // FormCloseQuery
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createViews();
    void createListView(QWidget *client);
    void createSourceView(QWidget *client);
    void createChart(QWidget *client);
    void createLineGraph(QWidget *client);
    void showView(QWidget *view, QAction *menuItem);
    void showLine(int line);
    void showFinding(int line, int otherLine, bool unreadable);
    bool selectSourceLine(int line);
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void B0Change();
    void rebuildTrainList();
    void showModified(bool modified);
    void showChangedLine(std::optional<int> line); // after an undo or redo
    void openDialog(QWidget *dialog);
    void openTrainDialog(const QString &caption, int loadedLine);
    void createHistoryCommands(QMenu *editMenu);
    void selectTrainLine(std::optional<int> line); // selects nothing when the line holds no listed train
    void selectTrainRow(int row);
    void moveTrain(int line, int minutes); // a dragged train, as one step of the history
    QString summaryOfLine(int line) const;
    void findFrom(int row, const QString &text); // the first matching train from row on
    int searchStart(bool afterCurrent) const;
    bool sourceViewShown() const;
    void layOutViews();
    QAction *command(const char *name, const QString &caption, void (TA0::*handler)(), const QString &errorText);

    void keepFiles(); // recovery copy, outside changes, drops
    void createRecentFilesMenu(QMenu *D1);
    void fileBaselineChanged();
    void lookAtFile();
    void fillRecentMenu();
    void openRecentFile(const QString &path);

    void showFileName(const QString &text) override;
    void resetSimulatorChoice() override;
    void documentReplaced() override;

    Prompts &m_prompts;
    ErrorGuard &m_guard;
    const FileStore &m_store;
    DocumentState m_state;

    QPlainTextEdit *m_B0 = nullptr; // source view; its lines are the document
    QListView *m_B1 = nullptr;      // list view
    StatusPanel *m_panel0 = nullptr; // status panel 0: the simulator
    StatusPanel *m_panel1 = nullptr; // status panel 1: the file
    StatusPanel *m_panel2 = nullptr; // status panel 2: unsaved changes
    TrainListModel *m_trainList = nullptr;
    QAction *m_E9 = nullptr;        // "Grafikon"
    QAction *m_F0 = nullptr;        // "Zdrojový kód"
    QAction *m_G7 = nullptr;        // "Obsazení kolejí"
    QAction *m_L0 = nullptr;        // "Grafikon trati"
    QAction *m_G1 = nullptr;        // "Zpět"
    QAction *m_G2 = nullptr;        // "Znovu"

    DocumentHistory *m_history;     // the history of B0's text
    SourceTextBuffer m_buffer;
    DocumentLines m_lines;
    DocumentFiles m_files;

    TA1 *m_properties = nullptr;
    QWidget *m_help = nullptr;
    QWidget *m_about = nullptr;
    TA4 *m_train = nullptr;
    RepeatTrainDialog *m_repeat = nullptr;
    QWidget *m_print = nullptr;     // the print preview "Tisk"
    FindBar *m_H3 = nullptr;        // find bar above the views
    OccupancyChart *m_G9 = nullptr; // track occupancy view
    LineGraphPage *m_L2 = nullptr;  // the line's graph view with its row of lines and loaded timetables
    FindingsPane *m_H1 = nullptr;   // "Kontrola grafikonu", below the views
    bool m_placed = false;

    RecentFiles m_recent;
    QMenu *m_recentMenu = nullptr; // "Nedávné soubory"
    std::unique_ptr<RecoveryFolder> m_recoveryFolder;
    std::unique_ptr<RecoveryKeeper> m_recovery; // uses the folder, so goes first
};

} // namespace tgx
