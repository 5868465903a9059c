#pragma once

#include <QObject>
#include <QTimer>

class QDropEvent;
class QMimeData;
class QWidget;

namespace tgx {

class FileWatch;

// What the main window hears about files from outside the editor: a
// timetable dropped onto it, and the moments to look whether its document's
// file was changed by another program (when the window becomes active, or
// while it is active, shortly after the file was written).
class WindowFileEvents : public QObject {
    Q_OBJECT

public:
    static constexpr int kSettleMs = 300; // another program's save may write the file in several parts

    WindowFileEvents(QWidget &window, FileWatch &watch);
    // Drops onto a child that takes drops itself (the source view) open files too.
    void takeDropsOf(QWidget &child);

    // The first local timetable among dropped files; empty when there is none.
    static QString droppedTimetable(const QMimeData *data);

signals:
    void lookAtFile();
    void timetableDropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool dragOrDrop(QEvent *event);

    QWidget &m_window;
    QTimer m_settle;
};

} // namespace tgx
