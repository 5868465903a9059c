#pragma once

#include "line/document_findings.h"

#include <QAbstractListModel>

#include <optional>

namespace tgx {

// "řádek {n}: {text}": a finding as the findings pane and the chart's tooltip show it.
QString findingRow(const OccupancyPlan &plan, const Finding &finding);

// The tooltip of the chart's bars of train: its summary line and below it, a
// line each, the rows of its findings (findingsOfTrain), as rich text that
// shows them as they stand and never wraps a line.
QString trainToolTip(const QString &summary, const OccupancyPlan &plan, int train);

// The rows of the findings pane: "řádek {n}: {text}" for each finding (the
// document's own and those against loaded timetables), or the
// one row "Grafikon je bez chyb." when there are none. A row is worded only
// when a view asks for it, so that a document with hundreds of thousands of
// findings holds one plan and no list of texts.
class FindingsModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // Takes the findings in constant time. The rows are renewed in place, so
    // that the view keeps its scroll position and current row.
    void setFindings(DocumentFindings findings);
    const DocumentFindings &findings() const { return m_findings; }
    // The document line of the finding at row; nothing for the row saying there are none.
    std::optional<int> lineAt(int row) const;
    // The line of the other train the finding at row names; nothing when it names none.
    std::optional<int> otherLineAt(int row) const;
    // Whether the finding at row is about a record that cannot be read.
    bool isUnreadableAt(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    DocumentFindings m_findings;
};

} // namespace tgx
