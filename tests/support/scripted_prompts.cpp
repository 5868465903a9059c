#include "scripted_prompts.h"

#include <QPrinter>

namespace tgx::test {

QStringList ScriptedPrompts::messages() const
{
    QStringList texts;
    for (const QString &entry : shown) {
        if (entry.startsWith(QLatin1String("info: ")) || entry.startsWith(QLatin1String("error: ")))
            texts << entry.section(QLatin1String(": "), 1);
    }
    return texts;
}

void ScriptedPrompts::reset()
{
    shown.clear();
    unexpected.clear();
    fileRequests.clear();
    m_answers.clear();
    m_files.clear();
    m_fileLists.clear();
    m_prints.clear();
}

void ScriptedPrompts::inform(const QString &text)
{
    shown << QLatin1String("info: ") + text;
}

void ScriptedPrompts::reportError(const QString &description)
{
    shown << QLatin1String("error: ") + description;
}

Prompts::Answer ScriptedPrompts::nextAnswer(const QString &text)
{
    shown << QLatin1String("ask: ") + text;
    if (m_answers.empty()) {
        unexpected << text;
        return Answer::Cancel;
    }
    const Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

Prompts::Answer ScriptedPrompts::askYesNo(const QString &text)
{
    return nextAnswer(text);
}

Prompts::Answer ScriptedPrompts::askYesNoCancel(const QString &text)
{
    return nextAnswer(text);
}

std::optional<ChosenFile> ScriptedPrompts::nextFile(const QString &what, const FileDialogRequest &request)
{
    shown << what + request.presetName;
    fileRequests << request;
    if (m_files.empty()) {
        unexpected << what;
        return std::nullopt;
    }
    const ChosenFile file = m_files.front();
    m_files.pop_front();
    if (file.path.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QString> ScriptedPrompts::openFileName(const FileDialogRequest &request)
{
    const auto file = nextFile(QStringLiteral("open: "), request);
    return file ? std::optional<QString>(file->path) : std::nullopt;
}

QStringList ScriptedPrompts::openFileNames(const FileDialogRequest &request)
{
    const QString what = QStringLiteral("open files: ");
    shown << what + request.filter;
    fileRequests << request;
    if (m_fileLists.empty()) {
        unexpected << what;
        return {};
    }
    const QStringList paths = m_fileLists.front();
    m_fileLists.pop_front();
    return paths;
}

std::optional<ChosenFile> ScriptedPrompts::saveFile(const FileDialogRequest &request)
{
    return nextFile(QStringLiteral("save: "), request);
}

bool ScriptedPrompts::choosePrinter(QPrinter &printer)
{
    shown << QStringLiteral("print");
    if (m_prints.empty()) {
        unexpected << QStringLiteral("print");
        return false;
    }
    const QString path = m_prints.front();
    m_prints.pop_front();
    if (path.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return true;
}

} // namespace tgx::test
