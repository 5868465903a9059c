#pragma once

#include "line/document_findings.h"

#include <QDockWidget>

class QListView;

namespace tgx {

class FindingsModel;

// The findings pane `H1`, "Kontrola grafikonu": what the timetable checks
// find, one finding a row in the list `H2`. It is a dock the main window puts
// in its bottom area, below whichever view is shown; it can be neither closed,
// moved nor floated, only made taller or shorter.
class FindingsPane : public QDockWidget {
    Q_OBJECT

public:
    explicit FindingsPane(QWidget *parent = nullptr);

    // Shows the findings of plan; cheap enough for every keystroke.
    void setPlan(OccupancyPlan plan);
    // Shows the findings of the document's own checks and those against
    // the loaded timetables.
    void setFindings(DocumentFindings findings);
    // Shows the same own findings with new ones against the loaded timetables.
    void setCrossFindings(CrossTimetableFindings cross);
    FindingsModel &findings() { return *m_findings; }

signals:
    // A finding was double-clicked (or chosen with Enter): its document
    // line, the line of the other train it names (0 for none), and whether
    // it is about a record that cannot be read.
    void findingActivated(int line, int otherLine, bool unreadable);

private:
    FindingsModel *m_findings;
    QListView *m_H2;
};

} // namespace tgx
