#pragma once

#include <QByteArrayView>
#include <QString>

namespace tgx {

// Windows code page 1250, the single-byte code page of timetable files.
// The five bytes the code page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98)
// decode to the C1 control characters of the same value and encode back, so
// every byte string survives decoding and encoding unchanged.
namespace CodePage1250 {

QString decode(QByteArrayView bytes);

// Position of the first character the code page cannot store, or -1.
qsizetype firstUnencodable(QStringView text);

// Encodes text that holds only encodable characters (see firstUnencodable).
QByteArray encode(QStringView text);

} // namespace CodePage1250

} // namespace tgx
