#pragma once

#include "document/program_version.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tgx {
class DocumentLines;
}

namespace tgx::HeaderRules {

inline const QString kEncodingMarker = QStringLiteral("num-code");     // line 3 as this editor writes it
inline constexpr int kEditorVersion = 20;
// Line 4 as this editor writes it: "20TGX editor 2.0".
inline const QString kEditorStamp = QString::number(kEditorVersion) + kProgramTitle + u' ' + kProgramVersion;

// Header line 4: the writer's version (characters 1-2) and name (from character 3).
struct EditorStamp {
    int version = 0;
    QString writerName;
};

// Nothing for an empty line 4. A version that is not decimal fails with the
// conversion error; a line of one character is a one-digit version.
std::optional<EditorStamp> readEditorStamp(QStringView line4);

// The writer name alone; empty when line 4 is shorter than three characters.
QString writerName(QStringView line4);

// Line 5 for a document of lineCount lines: the lines after the header.
QString trainCountText(int lineCount);

// Writes lines 3 to 5 as every save does: the encoding marker, this editor's
// stamp and the number of train lines; lines the document lacks stay missing.
void stamp(DocumentLines &lines);

// The information messages shown after opening path, version warning first.
// Fails with the conversion error before any encoding warning is made.
QStringList openWarnings(const QString &path, QStringView line3, QStringView line4);

// The questions asked before saving; empty when there is nothing to ask.
QString saveVersionQuestion(QStringView line4);
QString saveEncodingQuestion(QStringView line3);

} // namespace tgx::HeaderRules
