#include "printing/day_split.h"

#include "trains/decoded_record.h"

#include <algorithm>
#include <cmath>

namespace tgx {

int DaySplit::minutes(int page) const
{
    return std::min(hoursPerPage * 60, kMinutesPerDay - firstMinute(page));
}

DaySplit splitDay(double areaWidth, double minimumWidth)
{
    const int legibleHours = std::clamp(int(std::floor(areaWidth / (60 * minimumWidth))), 1, 24);
    const int pages = (24 + legibleHours - 1) / legibleHours;
    const int hours = (24 + pages - 1) / pages; // the same pages, filled as evenly as they can be
    return {hours, areaWidth / (hours * 60)};
}

QList<int> rowGroups(const QList<int> &offsets, double height)
{
    QList<int> starts {0};
    const int rows = int(offsets.size()) - 1;
    for (int row = 1; row < rows; ++row) {
        if (offsets[row + 1] - offsets[starts.last()] > height)
            starts.append(row);
    }
    starts.append(std::max(rows, 0));
    return starts;
}

} // namespace tgx
