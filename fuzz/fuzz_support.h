#pragma once

#include "document/failure.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

// What the fuzz targets share: stopping on a broken property, texts that
// AddressSanitizer guards to their last character, and the fuzzer's bytes as
// document text.
namespace tgx::fuzz {

// Prints what and stops the run when a property does not hold; libFuzzer then
// keeps the input as a crash file.
void require(bool holds, const char *what);

// A copy of a text in a buffer of exactly its length, so that any read past
// its end is an AddressSanitizer report (a QString would hide such a read
// behind its terminating zero and spare capacity).
class ExactText {
public:
    explicit ExactText(QStringView text);
    QStringView view() const { return {data_.get(), size_}; }

private:
    std::unique_ptr<char16_t[]> data_;
    qsizetype size_;
};

// The fuzzer's bytes as text (UTF-8, so ASCII costs one byte a character and
// every character of the source view can be reached).
QString inputText(const uint8_t *data, size_t size);

// The same cut into lines at '\n', as the document holds them.
QStringList inputLines(const uint8_t *data, size_t size);

// Whether text is one or more of the ASCII digits 0-9 and nothing else.
bool isDigits(QStringView text);

// Positions first to first + width - 1 (counted from 1) of text, or nothing
// when the text does not reach the last of them.
std::optional<QStringView> positions(QStringView text, int first, int width);

// Whether calling f fails. The only failure allowed is the core's conversion
// error; any other exception escapes and stops the run.
template<typename F>
bool failsWithConversionError(F &&f)
{
    try {
        f();
    } catch (const Failure &failure) {
        require(failure.description() == kConversionError, "a failure other than the conversion error");
        return true;
    }
    return false;
}

// The short name the train list shows for a neighbour code, written out here
// apart from the editor's station table; nothing for a code without a row or a
// simulator index outside the catalogue.
std::optional<QString> expectedShortName(int simulator, QChar code, const QString &specifiedNeighbour);

} // namespace tgx::fuzz
