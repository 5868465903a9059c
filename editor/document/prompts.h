#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;

namespace tgx {

// What a file dialog is opened with.
struct FileDialogRequest {
    QString title;      // empty for the platform's default title
    QString filter;     // e.g. "TGX soubory Zelto Edice 246 (*.46g)"
    QString presetName; // file name offered in the dialog, may be empty
};

// A file chosen in a save dialog, and the filter chosen with it (one of the
// request's, or empty when the dialog does not tell).
struct ChosenFile {
    QString path;
    QString filter;
};

// Every question, message and file dialog the windows show goes through this
// seam, so that tests can answer them and read what was shown.
class Prompts {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompts() = default;

    // Plain information box with an "OK" button, titled with the application title.
    virtual void inform(const QString &text) = 0;
    // The application's general error report: a failure's own description.
    virtual void reportError(const QString &description) = 0;
    virtual Answer askYesNo(const QString &text) = 0;
    virtual Answer askYesNoCancel(const QString &text) = 0;
    // The chosen path, or nothing when the dialog was cancelled.
    virtual std::optional<QString> openFileName(const FileDialogRequest &request) = 0;
    // An open dialog choosing one file or several; empty when it was cancelled.
    virtual QStringList openFileNames(const FileDialogRequest &request) = 0;
    virtual std::optional<ChosenFile> saveFile(const FileDialogRequest &request) = 0;
    // The standard print dialog, set up from and setting printer (a file
    // too); true when the user chose to print.
    virtual bool choosePrinter(QPrinter &printer) = 0;
    // saveFile for callers to whom the filter means nothing.
    std::optional<QString> saveFileName(const FileDialogRequest &request)
    {
        const auto file = saveFile(request);
        return file ? std::optional<QString>(file->path) : std::nullopt;
    }
};

} // namespace tgx
