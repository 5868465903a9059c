#pragma once

#include "train_dialog_driver.h"

namespace tgx::test {

// A Hutky timetable of four trains, listed as "Os 4521", "R 1142", "Vleč 734"
// and "Os 4523". Vleč 734 originates in the station and departs at 06:07.
inline void fillTimetable(App &app)
{
    const QString vehicles = QStringLiteral("012013000000000000000000000000");
    setTimetable(app, kHutky);
    app.lines().appendLine(kHutkyRecord);
    app.lines().appendLine(record(u"15", u"01142", u"2075808030500", u"1", u"1", u"2081008302000", vehicles, u"posila"));
    app.lines().appendLine(record(u"27", u"00734", u"0000000000000", u"2", u"1", u"1060706302300", vehicles));
    app.lines().appendLine(QString(kHutkyRecord).replace(2, 5, QStringLiteral("04523")));
}

} // namespace tgx::test
