#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A generated day of trains for the printing tests: each train's name and
// its minutes in the own station, and the timetable's lines.
namespace tgx::test {

struct GeneratedTrain {
    QString name; // "Os 1003"
    int arrival = 0;
    int departure = 0;
};

inline const QString kTimetableName = QStringLiteral("Letní grafikon 2026");

// count trains of the Hutky timetable spread over the day, some passing and
// some sharing a minute, in an order that is not their time's.
QList<GeneratedTrain> generatedTrains(int count);
QStringList generatedTimetable(const QList<GeneratedTrain> &trains);

// The names of trains ordered by departure or arrival, ties in document order.
QStringList namesByDeparture(QList<GeneratedTrain> trains);
QStringList namesByArrival(QList<GeneratedTrain> trains);

} // namespace tgx::test
