#include "exchange/table_columns.h"

namespace tgx {

const QStringList &columnNames()
{
    static const QStringList names = [] {
        QStringList list = {QStringLiteral("Druh"),         QStringLiteral("Číslo"),
                            QStringLiteral("Ze stanice"),   QStringLiteral("Odjezd ze sousední"),
                            QStringLiteral("Příjezd"),      QStringLiteral("Kolej"),
                            QStringLiteral("Průjezd sousední"), QStringLiteral("Průjezd"),
                            QStringLiteral("Do stanice"),   QStringLiteral("Odjezd"),
                            QStringLiteral("Příjezd do sousední")};
        for (int vehicle = 1; vehicle <= 10; ++vehicle)
            list << QStringLiteral("Vůz %1").arg(vehicle);
        list << QStringLiteral("Poznámka");
        return list;
    }();
    return names;
}

} // namespace tgx
