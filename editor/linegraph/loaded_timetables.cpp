#include "linegraph/loaded_timetables.h"

#include "document/failure.h"
#include "document/file_bytes.h"
#include "document/file_store.h"
#include "document/header_lines.h"
#include "document/prompts.h"
#include "document/simulator_catalogue.h"
#include "line/line_catalogue.h"

#include <QFileInfo>

namespace tgx {

namespace {

const QString kOpenAlready = QStringLiteral("Grafikon stanice %1 je už otevřený.");
const QString kNoSimulator = QStringLiteral("Grafikon „%1“ neuvádí v řádku 2 žádný simulátor.");

QStringList readLines(const FileStore &store, const QString &path)
{
    QString text = FileBytes::toText(store.read(path));
    // A line break at the very end opens no further line, as in the document.
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

} // namespace

LoadedTimetables::LoadedTimetables(Prompts &prompts, const FileStore &store, QObject *parent)
    : QObject(parent), m_prompts(prompts), m_store(store)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &LoadedTimetables::readAgain);
}

void LoadedTimetables::add(const QStringList &paths, const QString &documentStation)
{
    bool added = false;
    for (const QString &path : paths) {
        QStringList lines;
        try {
            lines = readLines(m_store, path);
        } catch (const Failure &failure) {
            m_prompts.inform(failure.description());
            continue;
        }
        const QString refused = refusal(path, lines, documentStation);
        if (!refused.isEmpty()) {
            m_prompts.inform(refused);
            continue;
        }
        m_timetables.append({path, lines, statementsOf(lines)});
        m_watcher.addPath(path);
        added = true;
    }
    if (added)
        emit changed();
}

// Why the file read as lines cannot join the timetables shown, or nothing.
QString LoadedTimetables::refusal(const QString &path, const QStringList &lines,
                                  const QString &documentStation) const
{
    const QString station = ownStation(simulatorIndex(lines.value(HeaderLine::Simulator - 1)));
    if (station.isEmpty())
        return kNoSimulator.arg(path);
    bool shown = station == documentStation;
    for (int i = 0; i < m_timetables.size(); ++i)
        shown = shown || this->station(i) == station;
    return shown ? kOpenAlready.arg(station) : QString();
}

QString LoadedTimetables::station(int index) const
{
    return ownStation(simulatorIndex(m_timetables[index].simulator()));
}

void LoadedTimetables::remove(int index)
{
    if (index < 0 || index >= m_timetables.size())
        return;
    const QString path = m_timetables.takeAt(index).path;
    m_watcher.removePath(path);
    emit changed();
}

// A file that cannot be read now (removed, or half written by another
// program) keeps its last reading; it is read again at its next change.
void LoadedTimetables::readAgain(const QString &path)
{
    // Saving by replacing the file ends the watch on it.
    if (!m_watcher.files().contains(path) && QFileInfo::exists(path))
        m_watcher.addPath(path);
    for (LoadedTimetable &timetable : m_timetables) {
        if (timetable.path != path)
            continue;
        try {
            timetable.lines = readLines(m_store, path);
            timetable.statements = statementsOf(timetable.lines);
        } catch (const Failure &) {
            return;
        }
        emit changed();
        return;
    }
}

} // namespace tgx
