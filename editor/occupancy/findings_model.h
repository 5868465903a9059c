#pragma once

#include "line/document_findings.h"

#include <QAbstractListModel>

#include <optional>

namespace tgx {

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

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    DocumentFindings m_findings;
};

} // namespace tgx
