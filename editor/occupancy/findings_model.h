#pragma once

#include "occupancy/occupancy_plan.h"

#include <QAbstractListModel>

#include <functional>
#include <optional>

namespace tgx {

// A finding the plan does not hold (one about other timetables), worded
// already, on a document line.
struct WordedFinding {
    int line = 0;
    QString text;
};

// The rows of the findings pane: "řádek {n}: {text}" for each finding, or the
// one row "Grafikon je bez chyb." when there are none. A row is worded only
// when a view asks for it, so that a document with hundreds of thousands of
// findings holds one plan and no list of texts.
class FindingsModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // Takes the findings of plan in constant time. The rows are renewed in
    // place, so that the view keeps its scroll position and current row.
    void setPlan(OccupancyPlan plan);
    // Adds findings, sorted by line, each after the plan's findings of its line.
    void setWordedFindings(QList<WordedFinding> findings);
    // The document line of the finding at row; nothing for the row saying there are none.
    std::optional<int> lineAt(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    // Makes change, after which there are findings, telling the views of
    // the rows it adds or removes.
    void renew(qsizetype findings, const std::function<void()> &change);
    void placeWordedFindings();
    // The worded finding at row, or nullptr for a finding of the plan.
    const WordedFinding *wordedAt(int row, int *planIndex) const;

    OccupancyPlan m_plan;
    QList<WordedFinding> m_worded;
    QList<int> m_wordedRows; // the row of each worded finding, ascending
};

} // namespace tgx
