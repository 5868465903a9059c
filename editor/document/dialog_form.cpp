#include "document/dialog_form.h"

#include "document/error_guard.h"
#include "document/window_placement.h"

#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWindow>

#include <limits>

namespace tgx {

DialogForm::DialogForm(QWidget &mainWindow, ErrorGuard &guard, QString closeErrorText, QString showErrorText)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_mainWindow(mainWindow)
    , m_guard(guard)
    , m_closeErrorText(std::move(closeErrorText))
    , m_showErrorText(std::move(showErrorText))
{
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    m_mainWindow.installEventFilter(this);
}

void DialogForm::FormClose()
{
    m_mainWindow.setEnabled(true);
}

void DialogForm::setClientSize(int width, int height)
{
    setFixedSize(width, height);
}

void DialogForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    keepAboveMainWindow();
    if (m_fixedPlace)
        placeOnDesktop(*this, *m_fixedPlace);
    else
        centreOver(*this, m_mainWindow);
    if (!m_showErrorText.isEmpty())
        m_guard.runHandler(m_showErrorText, [this] { FormShow(); });
}

// The window system keeps a window above its transient parent. The main
// window gets its native window when first shown; a dialog opened before that
// has nothing to stay above.
void DialogForm::keepAboveMainWindow()
{
    QWindow *own = windowHandle();
    QWindow *main = m_mainWindow.window()->windowHandle();
    if (own && main)
        own->setTransientParent(main);
}

// A click on the disabled main window, or the window manager making it the
// active window, must not leave the open dialog hidden behind it: the
// program would look hung.
bool DialogForm::eventFilter(QObject *watched, QEvent *event)
{
    const bool reachesMainWindow = event->type() == QEvent::WindowActivate || event->type() == QEvent::MouseButtonPress;
    if (watched == &m_mainWindow && reachesMainWindow && isVisible() && !m_mainWindow.isEnabled()) {
        raise();
        activateWindow();
    }
    return QDialog::eventFilter(watched, event);
}

void DialogForm::closeEvent(QCloseEvent *event)
{
    m_guard.runHandler(m_closeErrorText, [this] { FormClose(); });
    event->accept();
}

void DialogForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void holdAnyLength(QLineEdit &field)
{
    field.setMaxLength(std::numeric_limits<int>::max());
}

} // namespace tgx
