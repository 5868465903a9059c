#pragma once

#include <QStringList>
#include <QStringView>

namespace tgx {

// The train type abbreviations in the order the train dialog offers them.
// A type's code in a record is its index here plus kFirstTypeCode.
const QStringList &trainTypes();

inline constexpr int kFirstTypeCode = 10; // code of the first type, "SC"

// Two-digit record code of the type at typeIndex ("18" for "Os", index 8).
QString typeCode(int typeIndex);

// Index of the type whose code is exactly the text given ("18" gives 8), or -1
// for any other text.
int typeIndexOfCode(QStringView code);

// The same for the value of a two-digit code already read (18 gives 8).
int typeIndexOfCodeValue(int value);

} // namespace tgx
