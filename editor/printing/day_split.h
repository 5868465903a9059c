#pragma once

#include <QList>

namespace tgx {

// How a day drawn along the time axis is split over pages: the hours each
// page takes so that a minute is at least minimumWidth wide in a time area
// of areaWidth (both in one unit), shared out evenly over as few pages as
// that allows, and the resulting width of a minute.
struct DaySplit {
    int hoursPerPage = 24;
    double minuteWidth = 1;

    int pages() const { return (24 + hoursPerPage - 1) / hoursPerPage; }
    int firstMinute(int page) const { return page * hoursPerPage * 60; }
    int minutes(int page) const; // on page: hoursPerPage hours, fewer on the last
};
DaySplit splitDay(double areaWidth, double minimumWidth);

// Splits rows of the given offsets (each row's top from the first's, then
// the bottom of the last) into groups that each fit into height: the first
// row of each group, then the number of rows. A row taller than height
// makes a group of its own.
QList<int> rowGroups(const QList<int> &offsets, double height);

} // namespace tgx
