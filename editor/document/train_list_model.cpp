#include "document/train_list_model.h"

#include <QSize>

namespace tgx {

namespace {
constexpr int kItemHeight = 16;
}

void TrainListModel::setTrains(TrainList trains)
{
    beginResetModel();
    m_trains = std::move(trains);
    endResetModel();
}

std::optional<int> TrainListModel::documentLine(int row) const
{
    if (row < 0 || row >= m_trains.lines.size())
        return std::nullopt;
    return m_trains.lines[row];
}

int TrainListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_trains.summaries.size());
}

QVariant TrainListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_trains.summaries.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_trains.summaries[index.row()];
    if (role == Qt::SizeHintRole)
        return QSize(-1, kItemHeight);
    return {};
}

} // namespace tgx
