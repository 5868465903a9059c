#pragma once

#include <QStringView>

#include <optional>

namespace tgx {

// Reads text made of the digits 0-9 only (at least one, at most nine) as a
// decimal number; anything else, blanks and signs included, gives nothing.
std::optional<int> readDecimal(QStringView text);

// The same, but a text that is not such a number fails with kConversionError.
int requireDecimal(QStringView text);

} // namespace tgx
