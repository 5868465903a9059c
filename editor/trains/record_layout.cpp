#include "trains/record_layout.h"

#include "document/decimal.h"
#include "trains/train_types.h"

namespace tgx {

std::optional<QStringView> fieldText(QStringView record, RecordField field)
{
    const qsizetype start = field.position - 1;
    if (start + field.width > record.size())
        return std::nullopt;
    return record.sliced(start, field.width);
}

std::optional<int> fieldNumber(QStringView record, RecordField field)
{
    const auto text = fieldText(record, field);
    if (!text)
        return std::nullopt;
    return requireDecimal(*text);
}

std::optional<int> recordTypeIndex(QStringView record)
{
    const auto code = fieldText(record, Field::Type);
    const int index = code ? typeIndexOfCode(*code) : -1;
    return index >= 0 ? std::optional<int>(index) : std::nullopt;
}

QStringView recordNote(QStringView record)
{
    return record.size() > kBodyLength ? record.sliced(kBodyLength) : QStringView();
}

QChar passageCode(bool passesNeighbour, bool passesOwnStation)
{
    if (passesNeighbour)
        return passesOwnStation ? u'4' : u'3';
    return passesOwnStation ? u'2' : u'1';
}

bool passesNeighbour(QChar code)
{
    return code == u'3' || code == u'4';
}

bool passesOwnStation(QChar code)
{
    return code == u'2' || code == u'4';
}

} // namespace tgx
