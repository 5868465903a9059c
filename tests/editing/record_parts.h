#pragma once

#include <QString>

namespace tgx::test {

// A 67-character record with a note from the parts the repeat and the sort
// look at: the number and the 13 characters of each block. Type "Os", track
// "1", passage "1", vehicles 012 and 013.
inline QString trainRecord(QStringView number, QStringView arrival, QStringView departure, QStringView note = {})
{
    QString line;
    for (QStringView part : {QStringView(u"18"), number, arrival, QStringView(u"11"), departure, QStringView(u"00"),
                             QStringView(u"012013000000000000000000000000"), note})
        line += part;
    return line;
}

inline const QString kOriginates = QStringLiteral("0000000000000");
inline const QString kTerminates = kOriginates;

} // namespace tgx::test
