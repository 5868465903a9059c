#include "document/train_list_model.h"

#include <QSize>

#include <algorithm>

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

std::optional<int> TrainListModel::rowOf(int documentLine) const
{
    const int row = rowAtOrAfter(documentLine);
    if (row == rowCount() || m_trains.lines[row] != documentLine)
        return std::nullopt;
    return row;
}

int TrainListModel::rowAtOrAfter(int documentLine) const
{
    // The items keep document order, so their lines ascend.
    const auto &lines = m_trains.lines;
    return int(std::lower_bound(lines.begin(), lines.end(), documentLine) - lines.begin());
}

int TrainListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_trains.size());
}

QVariant TrainListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_trains.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_trains.summary(index.row());
    if (role == Qt::SizeHintRole)
        return QSize(-1, kItemHeight);
    return {};
}

} // namespace tgx
