#include "document/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace tgx {

namespace {

// Messages join their parts with CR; a message box breaks lines only at LF.
QString displayed(QString text)
{
    return text.replace(u'\r', u'\n');
}

QWidget *activeParent()
{
    return QApplication::activeWindow();
}

std::optional<QString> chosen(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace

void QtPrompts::inform(const QString &text)
{
    QMessageBox::information(activeParent(), QApplication::applicationName(), displayed(text));
}

void QtPrompts::reportError(const QString &description)
{
    QMessageBox::critical(activeParent(), QApplication::applicationName(), displayed(description));
}

Prompts::Answer QtPrompts::askYesNo(const QString &text)
{
    const auto button = QMessageBox::question(activeParent(), QApplication::applicationName(),
                                              displayed(text), QMessageBox::Yes | QMessageBox::No);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Prompts::Answer QtPrompts::askYesNoCancel(const QString &text)
{
    const auto button = QMessageBox::question(activeParent(), QApplication::applicationName(),
                                              displayed(text),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

std::optional<QString> QtPrompts::openFileName(const FileDialogRequest &request)
{
    return chosen(QFileDialog::getOpenFileName(activeParent(), request.title, request.presetName,
                                               request.filter));
}

std::optional<QString> QtPrompts::saveFileName(const FileDialogRequest &request)
{
    return chosen(QFileDialog::getSaveFileName(activeParent(), request.title, request.presetName,
                                               request.filter, nullptr,
                                               QFileDialog::DontConfirmOverwrite));
}

} // namespace tgx
