#include "line/line_catalogue.h"

namespace tgx {

namespace {

RailLine railLine(const char16_t *name, std::initializer_list<const char16_t *> stations)
{
    RailLine line{QString::fromUtf16(name), {}};
    for (const char16_t *station : stations)
        line.stations.append(QString::fromUtf16(station));
    return line;
}

// In catalogue order.
const QStringList &ownStations()
{
    static const QStringList stations = {
        QStringLiteral("Vrbinov"),       QStringLiteral("Dolanov n.Ok."), QStringLiteral("Česká Zálesí"),
        QStringLiteral("Hutky"),         QStringLiteral("Olšanov n.Ok."), QStringLiteral("Skalín"),
    };
    return stations;
}

} // namespace

const QList<RailLine> &railLines()
{
    static const QList<RailLine> lines = {
        railLine(u"Nový Lesov – Obora - Mrázov",
                 {u"Nový Lesov", u"Plavy", u"Vrbinov", u"Hutky", u"Česká Zálesí", u"Loučkovice", u"Dolanov n.Ok.",
                  u"Olšanov n.Ok.", u"Obora - Mrázov"}),
        railLine(u"Dolanov n.Ok. – Tovačov východ", {u"Dolanov n.Ok.", u"Skalín", u"Tovačov východ"}),
        railLine(u"Vrbinov – Radlická", {u"Vrbinov", u"Radlická"}),
        railLine(u"Česká Zálesí – Zálesský Pernov", {u"Česká Zálesí", u"Zálesský Pernov"}),
        railLine(u"Česká Zálesí – vlečka Cihelna", {u"Česká Zálesí", u"vlečka Cihelna"}),
        railLine(u"Dolanov n.Ok. – vlečka Kobar", {u"Dolanov n.Ok.", u"vlečka Kobar"}),
    };
    return lines;
}

QString ownStation(int simulator)
{
    return ownStations().value(simulator);
}

QList<int> linesHolding(QStringView station)
{
    QList<int> holding;
    const QList<RailLine> &lines = railLines();
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].stations.contains(station))
            holding.append(i);
    }
    return holding;
}

int ownStationOrder(QStringView station)
{
    // The main line from Vrbinov on, then Skalín on its branch.
    static const QStringList alongTheLines = {
        QStringLiteral("Vrbinov"),       QStringLiteral("Hutky"),         QStringLiteral("Česká Zálesí"),
        QStringLiteral("Dolanov n.Ok."), QStringLiteral("Olšanov n.Ok."), QStringLiteral("Skalín"),
    };
    const qsizetype at = alongTheLines.indexOf(station);
    return at < 0 ? int(alongTheLines.size()) : int(at);
}

} // namespace tgx
