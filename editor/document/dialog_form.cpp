#include "document/dialog_form.h"

#include "document/error_guard.h"
#include "document/window_placement.h"

#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>

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
    if (m_fixedPlace) {
        placeOnDesktop(*this, *m_fixedPlace);
    } else if (!m_placed) {
        centreOnDesktop(*this);
        m_placed = true;
    }
    if (!m_showErrorText.isEmpty())
        m_guard.runHandler(m_showErrorText, [this] { FormShow(); });
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
