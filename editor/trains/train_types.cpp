#include "trains/train_types.h"

namespace tgx {

const QStringList &trainTypes()
{
    static const QStringList types = {
        QStringLiteral("SC"), QStringLiteral("EC"), QStringLiteral("IC"), QStringLiteral("EN"),
        QStringLiteral("Ex"), QStringLiteral("R"), QStringLiteral("Sp"), QStringLiteral("Zr"),
        QStringLiteral("Os"), QStringLiteral("Sv"), QStringLiteral("NEx"), QStringLiteral("Rn"),
        QStringLiteral("Sn"), QStringLiteral("Vn"), QStringLiteral("Pn"), QStringLiteral("Pv"),
        QStringLiteral("Mn"), QStringLiteral("Vleč"), QStringLiteral("Lv"),
    };
    return types;
}

QString typeCode(int typeIndex)
{
    Q_ASSERT(typeIndex >= 0 && typeIndex < trainTypes().size());
    return QString::number(kFirstTypeCode + typeIndex);
}

int typeIndexOfCodeValue(int value)
{
    const int index = value - kFirstTypeCode;
    return index >= 0 && index < trainTypes().size() ? index : -1;
}

QStringView shownType(int typeIndex, QStringView storedCode)
{
    return typeIndex >= 0 ? QStringView(trainTypes()[typeIndex]) : storedCode;
}

QString trainName(int typeIndex, QStringView storedCode, int number)
{
    return shownType(typeIndex, storedCode).toString() + u' ' + QString::number(number);
}

} // namespace tgx
