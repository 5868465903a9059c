#pragma once

#include "line/cross_findings.h"
#include "line/line_graph_builder.h"
#include "line/timetable_statements.h"
#include "linegraph/loaded_timetables.h"

#include <QWidget>

#include <functional>
#include <optional>

class QLabel;

namespace tgx {

class ErrorGuard;
class FileStore;
class GraphContent;
class LineGraphRow;
class LineGraphView;
class Prompts;
struct LineGraph;

// The line's graph view `L2`: the row of lines and loaded timetables above
// the graph of the chosen line for the document and the loaded timetables.
// It holds what each timetable states, worked out once per change of the
// document and once per reading of a loaded timetable, and checks the
// document against the loaded timetables, once per change, for the findings
// pane and the graph alike. The graph itself is drawn up only while it is
// shown.
class LineGraphPage : public QWidget {
    Q_OBJECT

public:
    LineGraphPage(Prompts &prompts, ErrorGuard &guard, const FileStore &store, QWidget *parent = nullptr);

    // At every change of the document: what its records state.
    void setDocument(TimetableStatements statements);
    // The findings of the document against the loaded timetables.
    const CrossTimetableFindings &crossFindings() const { return m_findings.first(); }
    void setSelectedLine(std::optional<int> line);
    // Scrolls the graph, where needed, so that the selected train shows.
    void showSelectedTrain();
    // Where a tooltip gets the summary line of a document line.
    void setSummaryOf(std::function<QString(int line)> summaryOf);

    LineGraphView &view() { return *m_view; }
    // The graph of the chosen line as the view shows it, drawn up now when
    // the view is hidden and so has not followed the latest changes.
    const GraphContent &currentGraph();
    LoadedTimetables &loaded() { return m_loaded; }

signals:
    void trainClicked(int line);
    void trainDoubleClicked(int line);
    void trainDragged(int line, int minutes);
    // The loaded timetables changed, and with them the document's findings against them.
    void crossFindingsChanged(const CrossTimetableFindings &findings);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void addTimetables(); // "Přidat grafikon..."
    void loadedChanged();
    void prepareLoaded();
    void gatherTimetables();
    void offerLines();
    void refreshGraph();
    void drawUpGraph();
    void checkLoaded();
    int chosenLine() const;
    QString toolTipOf(int train) const;
    QString summaryOf(int timetable, int line) const;

    ErrorGuard &m_guard;
    Prompts &m_prompts;
    LoadedTimetables m_loaded;
    LineGraphRow *m_row;
    LineGraphView *m_view;
    QLabel *m_noSimulator;
    std::function<QString(int)> m_summaryOf;

    TimetableStatements m_document;
    QList<TimetableStatements> m_timetables;  // the document, then the loaded ones of other stations
    QList<int> m_sources;                     // the loaded timetable of each of them; -1 for the document
    QList<CrossTimetableFindings> m_findings; // of each of them against the others; [0] always there
    // Of each loaded one against the other loaded ones, which no change of
    // the document alters; [0] stands for the document and is empty.
    QList<CrossTimetableFindings> m_amongLoaded;
    LineGraphBuilder m_builder;
    bool m_graphStale = true;
};

} // namespace tgx
