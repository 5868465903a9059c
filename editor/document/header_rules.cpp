#include "document/header_rules.h"

#include "document/decimal.h"
#include "document/document_lines.h"
#include "document/header_lines.h"

#include <utility>

namespace tgx::HeaderRules {

namespace {

const QString kWarning = QStringLiteral("UPOZORNĚNÍ! ");
const QString kMayNotShow = QStringLiteral(" Soubor se proto nemusí zobrazit správně.");
const QString kAskAnyway = QStringLiteral(" uložit správně. Chcete soubor přesto uložit?");

// The newer writer's name, or nothing when line 4 names no newer editor.
std::optional<QString> newerWriter(QStringView line4)
{
    const auto stamp = readEditorStamp(line4);
    if (stamp && stamp->version > kEditorVersion)
        return stamp->writerName;
    return std::nullopt;
}

} // namespace

std::optional<EditorStamp> readEditorStamp(QStringView line4)
{
    if (line4.isEmpty())
        return std::nullopt;
    return EditorStamp{requireDecimal(line4.first(std::min<qsizetype>(2, line4.size()))),
                       writerName(line4)};
}

QString writerName(QStringView line4)
{
    return line4.size() > 2 ? line4.mid(2).toString() : QString();
}

QString trainCountText(int lineCount)
{
    return QString::number(lineCount - 30);
}

QStringList openWarnings(const QString &path, QStringView line3, QStringView line4)
{
    const QString head = path + QStringLiteral("\r\r") + kWarning;
    QStringList warnings;
    if (const auto writer = newerWriter(line4)) {
        warnings << head + QStringLiteral(" Tento soubor je vytvořen v programu ") + *writer
                        + QStringLiteral(", který je novější, než tato verze programu.") + kMayNotShow;
    }
    if (line3 != kEncodingMarker) {
        warnings << head + QStringLiteral(" Tento soubor obsahuje grafikon v kódování ") + line3.toString()
                        + QStringLiteral(", které tento program neumí přečíst.") + kMayNotShow;
    }
    return warnings;
}

QString saveVersionQuestion(QStringView line4)
{
    const auto writer = newerWriter(line4);
    if (!writer)
        return {};
    return kWarning + QStringLiteral("Soubor, který chcete uložit, je vytvořen v programu ") + *writer
           + QStringLiteral(", který je novější, než tato verze programu. Soubor se proto nemusí") + kAskAnyway;
}

QString saveEncodingQuestion(QStringView line3)
{
    if (line3.isEmpty() || line3 == kEncodingMarker)
        return {};
    return kWarning + QStringLiteral("Soubor, který chcete uložit, obsahuje grafikon v kódování ") + line3.toString()
           + QStringLiteral(", které tento program neumí přečíst. Soubor se proto nemusí") + kAskAnyway;
}

// A stamp line is written only where it differs, so that saving a document
// that holds the stamp already changes nothing the history keeps.
void stamp(DocumentLines &lines)
{
    const std::pair<int, QString> stamp[] = {
        {HeaderLine::Encoding, kEncodingMarker},
        {HeaderLine::Editor, kEditorStamp},
        {HeaderLine::TrainCount, trainCountText(lines.lineCount())},
    };
    for (const auto &[line, text] : stamp) {
        if (lines.line(line) != text)
            lines.replaceLine(line, text);
    }
}

} // namespace tgx::HeaderRules
