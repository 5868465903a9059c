#pragma once

#include "line/timetable_statements.h"

#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QStringList>

namespace tgx {

class FileStore;
class Prompts;

// A neighbouring simulator's timetable shown beside the document: its file,
// its lines as last read and what they state. It is never written.
struct LoadedTimetable {
    QString path;
    QStringList lines;
    TimetableStatements statements;
    QString simulator() const { return lines.value(1); } // header line 2
};

// The neighbouring timetables loaded beside the document. They stay while the
// program runs, whatever document is open, and are read again whenever their
// file changes on disk.
class LoadedTimetables : public QObject {
    Q_OBJECT

public:
    LoadedTimetables(Prompts &prompts, const FileStore &store, QObject *parent = nullptr);

    // Reads the files at paths as Open reads a document, without its
    // questions. A file that cannot be read, names no simulator, or is the
    // timetable of documentStation or of a timetable loaded already is not
    // added; each gives one message box.
    void add(const QStringList &paths, const QString &documentStation);
    void remove(int index);
    const QList<LoadedTimetable> &timetables() const { return m_timetables; }
    // The own station of the timetable at index.
    QString station(int index) const;

signals:
    // A timetable was added, removed or read again.
    void changed();

private:
    QString refusal(const QString &path, const QStringList &lines, const QString &documentStation) const;
    void readAgain(const QString &path);

    Prompts &m_prompts;
    const FileStore &m_store;
    QList<LoadedTimetable> m_timetables;
    QFileSystemWatcher m_watcher;
};

} // namespace tgx
