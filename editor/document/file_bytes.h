#pragma once

#include <QByteArray>
#include <QString>

namespace tgx {

// The bytes of a document file and the editor's text of it. In the editor a
// line break is '\n'; in the file it is CR LF, and reading also accepts CR or
// LF alone. Everything else passes through code page 1250 unchanged.
namespace FileBytes {

QString toText(QByteArrayView bytes);

// Fails, naming the line and the character, when the text holds a character
// that code page 1250 cannot store: such a document is not written at all.
QByteArray fromText(QStringView text);

} // namespace FileBytes

} // namespace tgx
