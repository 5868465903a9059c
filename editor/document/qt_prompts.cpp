#include "document/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

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

// Shows a box titled with the application title and returns the button
// pressed. Its text is plain: a file path or a document line that looks like
// markup shows character for character.
QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QApplication::applicationName(), displayed(text), buttons, activeParent());
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return box.standardButton(box.clickedButton());
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
    ask(QMessageBox::Information, text, QMessageBox::Ok);
}

void QtPrompts::reportError(const QString &description)
{
    ask(QMessageBox::Critical, description, QMessageBox::Ok);
}

Prompts::Answer QtPrompts::askYesNo(const QString &text)
{
    const auto button = ask(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Prompts::Answer QtPrompts::askYesNoCancel(const QString &text)
{
    const auto button = ask(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

std::optional<QString> QtPrompts::openFileName(const FileDialogRequest &request)
{
    return chosen(QFileDialog::getOpenFileName(activeParent(), request.title, request.presetName,
                                               request.filter));
}

QStringList QtPrompts::openFileNames(const FileDialogRequest &request)
{
    return QFileDialog::getOpenFileNames(activeParent(), request.title, request.presetName, request.filter);
}

std::optional<ChosenFile> QtPrompts::saveFile(const FileDialogRequest &request)
{
    QString filter;
    const auto path = chosen(QFileDialog::getSaveFileName(activeParent(), request.title, request.presetName,
                                                          request.filter, &filter,
                                                          QFileDialog::DontConfirmOverwrite));
    if (!path)
        return std::nullopt;
    return ChosenFile{*path, filter};
}

bool QtPrompts::choosePrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, activeParent());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tgx
