#include "fuzz_support.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tgx::fuzz {

namespace {

// Per simulator in catalogue order, the short names of the neighbour codes
// 1, 2, ...; an empty name stands for the specified neighbour (header line 7).
const std::array<QStringList, 6> &shortNames()
{
    static const std::array<QStringList, 6> names = {{
        {QString(), QStringLiteral("Hutky"), QStringLiteral("Radlická")},
        {QStringLiteral("Tovačov východ"), QString(), QStringLiteral("Olšanov"), QStringLiteral("vl.Kobar")},
        {QString(), QStringLiteral("Hutky"), QStringLiteral("Pernov"), QStringLiteral("vl.Cihelna")},
        {QStringLiteral("Zálesí"), QStringLiteral("Vrbinov")},
        {QStringLiteral("Dolanov"), QStringLiteral("Mrázov")},
        {QStringLiteral("Tovačov východ"), QStringLiteral("Dolanov")},
    }};
    return names;
}

} // namespace

void require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    __builtin_trap();
}

ExactText::ExactText(QStringView text)
    : data_(new char16_t[text.size()]), size_(text.size())
{
    std::copy_n(text.utf16(), text.size(), data_.get());
}

QString inputText(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

QStringList inputLines(const uint8_t *data, size_t size)
{
    return inputText(data, size).split(u'\n');
}

bool isDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return false;
    }
    return true;
}

std::optional<QStringView> positions(QStringView text, int first, int width)
{
    if (first - 1 + width > text.size())
        return std::nullopt;
    return text.mid(first - 1, width);
}

std::optional<QString> expectedShortName(int simulator, QChar code, const QString &specifiedNeighbour)
{
    if (simulator < 0 || simulator >= int(shortNames().size()))
        return std::nullopt;
    const QStringList &names = shortNames()[simulator];
    const int index = code.unicode() - u'1';
    if (index < 0 || index >= names.size())
        return std::nullopt;
    return names[index].isEmpty() ? specifiedNeighbour : names[index];
}

} // namespace tgx::fuzz
