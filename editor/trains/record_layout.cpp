#include "trains/record_layout.h"

namespace tgx {

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
