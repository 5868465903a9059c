#include "document/simulator_catalogue.h"

namespace tgx {

const QList<Simulator> &simulatorCatalogue()
{
    static const QList<Simulator> catalogue = {
        {QStringLiteral("Zelto ŽST Vrbinov"), {QStringLiteral("Plavy"), QStringLiteral("Nový Lesov")}},
        {QStringLiteral("Zelto ŽST Dolanov"), {QStringLiteral("Loučkovice"), QStringLiteral("Česká Zálesí")}},
        {QStringLiteral("Zelto ŽST Zálesí"), {QStringLiteral("Loučkovice"), QStringLiteral("Dolanov n.Ok.")}},
        {QStringLiteral("Zelto ŽST Hutky"), {}},
        {QStringLiteral("Zelto ŽST Olšanov"), {}},
        {QStringLiteral("Zelto Dl. Skalín"), {}},
    };
    return catalogue;
}

int simulatorIndex(QStringView name)
{
    const auto &catalogue = simulatorCatalogue();
    for (int i = 0; i < catalogue.size(); ++i) {
        if (catalogue[i].name == name)
            return i;
    }
    return -1;
}

} // namespace tgx
