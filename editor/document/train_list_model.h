#pragma once

#include "trains/summary_line.h"

#include <QAbstractListModel>

#include <optional>

namespace tgx {

// The items of the train list: one summary line per record, each remembering
// the document line it came from, so that commands on a list item address the
// right line even when empty lines stand among the records.
class TrainListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setTrains(TrainList trains);

    // Every item's summary line, made now.
    QStringList summaries() const { return m_trains.summaries(); }
    QString summary(int row) const { return m_trains.summary(row); }
    // Document line of the item at row, if there is such an item.
    std::optional<int> documentLine(int row) const;
    // Row of the item that came from a document line, if there is one.
    std::optional<int> rowOf(int documentLine) const;
    // Row of the first item from documentLine on; rowCount() when there is none.
    int rowAtOrAfter(int documentLine) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    TrainList m_trains;
};

} // namespace tgx
