#pragma once

#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

namespace tgx {

class FileStore;
class Prompts;

// A neighbouring simulator's timetable shown beside the document: its file
// and its lines as last read. It is never written.
struct LoadedTimetable {
    QString path;
    QStringList lines;
    QString simulator() const { return lines.value(1); } // header line 2
};

// The neighbouring timetables loaded beside the document. They stay while the
// program runs, whatever document is open, and are read again whenever their
// file changes on disk.
class LoadedTimetables : public QObject {
    Q_OBJECT

public:
    // ownStation: the own station of a simulator named in line 2, empty for
    // a text that names none.
    LoadedTimetables(Prompts &prompts, const FileStore &store, std::function<QString(const QString &)> ownStation,
                     QObject *parent = nullptr);

    // Reads the files at paths as Open reads a document, without its
    // questions. A file that cannot be read, names no simulator, or belongs
    // to documentSimulator or to a timetable loaded already is not added;
    // each gives one message box.
    void add(const QStringList &paths, const QString &documentSimulator);
    void remove(int index);
    const QList<LoadedTimetable> &timetables() const { return m_timetables; }
    QString ownStation(int index) const { return m_ownStation(m_timetables[index].simulator()); }

signals:
    // A timetable was added, removed or read again.
    void changed();

private:
    QString refusal(const QString &path, const QStringList &lines, const QString &documentSimulator) const;
    void readAgain(const QString &path);

    Prompts &m_prompts;
    const FileStore &m_store;
    std::function<QString(const QString &)> m_ownStation;
    QList<LoadedTimetable> m_timetables;
    QFileSystemWatcher m_watcher;
};

} // namespace tgx
