#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

namespace tgx {

class ErrorGuard;

// A dialog form: a top-level window created once at start-up, only hidden when
// closed. It is not a child of the main window, which is disabled while the
// dialog is open and would disable it too; the main window is only its
// transient parent, so that the dialog stays above it, and clicking the
// disabled main window brings the open dialog back to the front. It opens
// centred over the main window. Showing runs FormShow and every way of
// closing runs FormClose, each inside the guard with the form's own error
// text; FormClose enables the main window again. Escape does not close a form
// unless the form says so. Every form uses the dialogs' face, MS Sans Serif
// at 8 points.
class DialogForm : public QDialog {
    Q_OBJECT

public:
    DialogForm(QWidget &mainWindow, ErrorGuard &guard, QString closeErrorText, QString showErrorText = {});

protected:
    virtual void FormShow() {}
    // Enables the main window again; forms that do more call it last.
    virtual void FormClose();

    // Gives the form a fixed client size.
    void setClientSize(int width, int height);
    // Shows the form at this place of the desktop every time instead.
    void setFixedPlace(QPoint offset) { m_fixedPlace = offset; }

    ErrorGuard &guard() const { return m_guard; }
    QWidget &mainWindow() const { return m_mainWindow; }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override; // watches the main window

private:
    void keepAboveMainWindow();

    QWidget &m_mainWindow;
    ErrorGuard &m_guard;
    QString m_closeErrorText;
    QString m_showErrorText;
    std::optional<QPoint> m_fixedPlace;
};

// Lets a field that holds a document line take text of any length: a line has
// no length limit, so neither showing nor writing it back may cut it.
void holdAnyLength(QLineEdit &field);

} // namespace tgx
