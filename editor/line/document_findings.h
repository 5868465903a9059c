#pragma once

#include "line/cross_findings.h"
#include "occupancy/occupancy_plan.h"

#include <QList>
#include <QString>

namespace tgx {

// All findings of one document's lines: those of its own checks (its
// occupancy plan) and those against other timetables, merged by line, a
// line's own findings first. Texts are worded only when
// asked for, so that a document full of faults holds no list of texts; with
// no findings against other timetables, the rows are the plan's findings.
class DocumentFindings {
public:
    DocumentFindings() = default;
    DocumentFindings(OccupancyPlan plan, CrossTimetableFindings cross);

    qsizetype size() const;
    bool isEmpty() const { return size() == 0; }
    int line(qsizetype row) const;     // document line of the finding at row
    QString text(qsizetype row) const; // without its line number
    // The document's own finding at row; nothing for one against another timetable.
    const Finding *ownFinding(qsizetype row) const;

    const OccupancyPlan &plan() const { return m_plan; }
    const CrossTimetableFindings &cross() const { return m_cross; }

private:
    OccupancyPlan m_plan;
    CrossTimetableFindings m_cross;
    // Row order when both kinds are present: an index into the plan's
    // findings, or ~index into the cross findings.
    QList<qint32> m_order;
};

} // namespace tgx
