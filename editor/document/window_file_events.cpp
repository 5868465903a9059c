#include "document/window_file_events.h"

#include "document/file_watch.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace tgx {

namespace {

const QString kExtension = QStringLiteral(".46g");

} // namespace

WindowFileEvents::WindowFileEvents(QWidget &window, FileWatch &watch) : QObject(&window), m_window(window)
{
    m_window.setAcceptDrops(true);
    m_window.installEventFilter(this);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        if (m_window.isActiveWindow())
            emit lookAtFile();
    });
    connect(&watch, &FileWatch::fileTouched, &m_settle, qOverload<>(&QTimer::start));
}

void WindowFileEvents::takeDropsOf(QWidget &child)
{
    child.installEventFilter(this);
}

QString WindowFileEvents::droppedTimetable(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && url.toLocalFile().endsWith(kExtension, Qt::CaseSensitive))
            return url.toLocalFile();
    }
    return QString();
}

bool WindowFileEvents::eventFilter(QObject *watched, QEvent *event)
{
    // The question waits until the activation has been handled.
    if (watched == &m_window && event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &WindowFileEvents::lookAtFile);
    return dragOrDrop(event);
}

// A timetable is taken wherever it is dropped; anything else is left to the
// widget (the source view takes dropped text).
bool WindowFileEvents::dragOrDrop(QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QString path = droppedTimetable(drop->mimeData());
    if (path.isEmpty())
        return false;
    drop->acceptProposedAction();
    // Opening may ask about unsaved changes: not inside the drag and drop.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, path] { emit timetableDropped(path); });
    return true;
}

} // namespace tgx
