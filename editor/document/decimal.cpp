#include "document/decimal.h"

#include "document/failure.h"

namespace tgx {

std::optional<int> readDecimal(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

int requireDecimal(QStringView text)
{
    if (const auto value = readDecimal(text))
        return *value;
    throw Failure(kConversionError);
}

} // namespace tgx
