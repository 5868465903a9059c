#pragma once

#include <QList>
#include <QStringList>

#include <functional>

// What the benchmarks share: the timetables they time and how they time.
namespace tgx::bench {

// The document lines of a "Zelto ŽST Vrbinov" timetable of trains trains,
// laid out as a person lays one out (tracks filled through the day, some
// trains starting or ending here, a few faster ones, a few broken lines and
// repeated numbers); the same document on every run.
QStringList sampleTimetable(int trains);

// The document lines of the five timetables of the main line's simulators
// ("Zelto ŽST Vrbinov" to "Zelto ŽST Olšanov", in line order), each holding
// trains trains that run the whole line and meet in every timetable, with a
// few late, missing and renumbered trains; the same on every run.
QList<QStringList> linkedTimetables(int trains);

// Milliseconds of processor time this thread has used: unlike the time on
// the clock, it does not grow when other programs share the cores.
double threadMs();

// The median of the processor time of runs runs of work.
double medianMs(int runs, const std::function<void()> &work);

// glibc gives freed memory back to the system, or keeps it, depending on the
// sizes freed before; a run would then time page faults or not by the sizes
// timed before it. Keeping freed memory makes every run start alike.
void keepFreedMemory();

// The largest memory the process has held so far.
long peakMemoryMb();

// The memory the process holds now (its resident set): the heap, and also
// what libraries keep outside it, such as the pieces of a text document.
double residentMemoryMb();

// The document sizes given as arguments (those not starting with '-'), or defaults.
QList<int> sizesFrom(const QStringList &arguments, const QList<int> &defaults);

} // namespace tgx::bench
