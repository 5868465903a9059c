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

// Index of the type whose two-digit code has the value given (18 gives 8), or
// -1 for any other value.
int typeIndexOfCodeValue(int value);

// A train's type as the train list shows it: the abbreviation of the type at
// typeIndex, or the code as the record stores it when it names no type (-1).
QStringView shownType(int typeIndex, QStringView storedCode);

// A train as the train list names it, "Os 4521": its shown type and number.
QString trainName(int typeIndex, QStringView storedCode, int number);

} // namespace tgx
