#include "counter_step.h"

namespace zifrol {

namespace {

constexpr int kDigitCount = 5;

// Digit values d1 to d5, most significant first. During the carry a value
// may stand at 10 before it is brought back into 0-9.
using Digits = int[kDigitCount];

// Takes the digit values from the first five characters in order. Reading
// stops at the first character that is not a digit, so a text shorter than
// five characters is never read past its NUL.
bool readDigits(const char *text, Digits &digits)
{
    if (text == nullptr)
        return false;
    for (int i = 0; i < kDigitCount; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        digits[i] = c - '0';
    }
    return true;
}

// Adds one to d5 and carries towards d1, one comparison per digit, each made
// before either of its two changes. The carry out of d1 is dropped.
void addOne(Digits &digits)
{
    digits[kDigitCount - 1] += 1;
    for (int i = kDigitCount - 1; i > 0; --i) {
        if (digits[i] > 9) {
            digits[i - 1] += 1;
            digits[i] -= 10;
        }
    }
    if (digits[0] > 9)
        digits[0] -= 10;
}

} // namespace

bool stepCounter(const char *text, char (&result)[kResultSize])
{
    Digits digits;
    if (!readDigits(text, digits))
        return false;
    addOne(digits);
    for (int i = 0; i < kDigitCount; ++i)
        result[i] = static_cast<char>('0' + digits[i]);
    result[kDigitCount] = '\0';
    return true;
}

} // namespace zifrol
