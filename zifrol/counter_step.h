#pragma once

namespace zifrol {

// Size of a result text: five digits and the NUL.
inline constexpr int kResultSize = 6;

// Message of the error a call ends with when its argument is not a counter.
inline constexpr char kConversionError[] = "Invalid variant type conversion";

// Reads the first five characters of text as a five-digit decimal counter and
// writes the next value, wrapping from 99999 to 00000, into result. Returns
// false, and leaves result untouched, when text is null or one of those
// characters is not a digit.
bool stepCounter(const char *text, char (&result)[kResultSize]);

} // namespace zifrol
