#include "document/simulator_catalogue.h"
#include "trains/station_table.h"

#include <QTest>

using namespace tgx;

namespace {

enum Simulator { Vrbinov, Dolanov, Zalesi, Hutky, Olsanov, Skalin, Unknown = -1 };

} // namespace

class StationTableTest : public QObject {
    Q_OBJECT

private slots:
    void listsStationsInCodeOrder_data();
    void listsStationsInCodeOrder();
    void listsTracks_data();
    void listsTracks();
    void givesShortNames_data();
    void givesShortNames();
    void findsCodesOfChosenStations_data();
    void findsCodesOfChosenStations();
    void everyListedStationHasItsPositionAsCode();
};

void StationTableTest::listsStationsInCodeOrder_data()
{
    QTest::addColumn<int>("simulator");
    QTest::addColumn<QString>("specified");
    QTest::addColumn<QStringList>("stations");

    QTest::newRow("Vrbinov") << int(Vrbinov) << "Nový Lesov" << QStringList{"Nový Lesov", "Hutky", "Radlická"};
    QTest::newRow("Dolanov")
        << int(Dolanov) << "Česká Zálesí"
        << QStringList{"Tovačov východ", "Česká Zálesí", "Olšanov n.Ok.", "vlečka Kobar"};
    QTest::newRow("Zálesí")
        << int(Zalesi) << "Dolanov n.Ok."
        << QStringList{"Dolanov n.Ok.", "Hutky", "Zálesský Pernov", "vlečka Cihelna"};
    QTest::newRow("Zálesí, line 7 empty")
        << int(Zalesi) << "" << QStringList{"", "Hutky", "Zálesský Pernov", "vlečka Cihelna"};
    QTest::newRow("Hutky ignores line 7") << int(Hutky) << "Plavy" << QStringList{"Česká Zálesí", "Vrbinov"};
    QTest::newRow("Olšanov") << int(Olsanov) << "" << QStringList{"Dolanov n.Ok.", "Obora - Mrázov"};
    QTest::newRow("Skalín") << int(Skalin) << "" << QStringList{"Tovačov východ", "Dolanov n.Ok."};
    QTest::newRow("unknown simulator") << int(Unknown) << "Plavy" << QStringList();
}

void StationTableTest::listsStationsInCodeOrder()
{
    QFETCH(int, simulator);
    QFETCH(QString, specified);
    QFETCH(QStringList, stations);

    QCOMPARE(neighbourStations(simulator, specified), stations);
}

void StationTableTest::listsTracks_data()
{
    QTest::addColumn<int>("simulator");
    QTest::addColumn<QStringList>("tracks");

    QTest::newRow("Vrbinov") << int(Vrbinov) << QStringList{"7", "5", "3", "1", "2", "0"};
    QTest::newRow("Dolanov") << int(Dolanov) << QStringList{"4", "2", "1", "3", "0"};
    QTest::newRow("Zálesí") << int(Zalesi) << QStringList{"4", "2", "1", "3", "0"};
    QTest::newRow("Hutky") << int(Hutky) << QStringList{"2", "1", "0"};
    QTest::newRow("Olšanov") << int(Olsanov) << QStringList{"2", "1", "0"};
    QTest::newRow("Skalín has none") << int(Skalin) << QStringList();
    QTest::newRow("unknown simulator") << int(Unknown) << QStringList();
    QTest::newRow("beyond the catalogue") << 6 << QStringList();
}

void StationTableTest::listsTracks()
{
    QFETCH(int, simulator);
    QFETCH(QStringList, tracks);

    QCOMPARE(trackList(simulator), tracks);
}

void StationTableTest::givesShortNames_data()
{
    QTest::addColumn<int>("simulator");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("specified");
    QTest::addColumn<QString>("name"); // null: no row

    QTest::newRow("Vrbinov 1 is line 7") << int(Vrbinov) << 1 << "Plavy" << "Plavy";
    QTest::newRow("Vrbinov 3") << int(Vrbinov) << 3 << "Plavy" << "Radlická";
    QTest::newRow("Vrbinov 4 has no row") << int(Vrbinov) << 4 << "Plavy" << QString();
    QTest::newRow("Dolanov 2 is line 7") << int(Dolanov) << 2 << "Loučkovice" << "Loučkovice";
    QTest::newRow("Dolanov 3") << int(Dolanov) << 3 << "" << "Olšanov";
    QTest::newRow("Dolanov 4") << int(Dolanov) << 4 << "" << "vl.Kobar";
    QTest::newRow("Zálesí 1, line 7 empty") << int(Zalesi) << 1 << "" << "";
    QTest::newRow("Zálesí 3") << int(Zalesi) << 3 << "" << "Pernov";
    QTest::newRow("Zálesí 4") << int(Zalesi) << 4 << "" << "vl.Cihelna";
    QTest::newRow("Hutky 1") << int(Hutky) << 1 << "Plavy" << "Zálesí";
    QTest::newRow("Hutky 4 has no row") << int(Hutky) << 4 << "" << QString();
    QTest::newRow("Olšanov 2") << int(Olsanov) << 2 << "" << "Mrázov";
    QTest::newRow("Skalín 1") << int(Skalin) << 1 << "" << "Tovačov východ";
    QTest::newRow("Skalín 2") << int(Skalin) << 2 << "" << "Dolanov";
    QTest::newRow("code 0 has no row") << int(Hutky) << 0 << "" << QString();
    QTest::newRow("unknown simulator") << int(Unknown) << 1 << "Plavy" << QString();
}

void StationTableTest::givesShortNames()
{
    QFETCH(int, simulator);
    QFETCH(int, code);
    QFETCH(QString, specified);
    QFETCH(QString, name);

    const auto shortName = neighbourShortName(simulator, code, specified);
    QCOMPARE(bool(shortName), !name.isNull());
    if (shortName)
        QCOMPARE(shortName->toString(), name);
}

void StationTableTest::findsCodesOfChosenStations_data()
{
    QTest::addColumn<int>("simulator");
    QTest::addColumn<QString>("station");
    QTest::addColumn<QString>("specified");
    QTest::addColumn<int>("code"); // 0: none

    QTest::newRow("Dolanov Česká Zálesí") << int(Dolanov) << "Česká Zálesí" << "Česká Zálesí" << 2;
    QTest::newRow("Dolanov Loučkovice") << int(Dolanov) << "Loučkovice" << "Česká Zálesí" << 2;
    QTest::newRow("Dolanov Olšanov n.Ok.") << int(Dolanov) << "Olšanov n.Ok." << "" << 3;
    QTest::newRow("Vrbinov Nový Lesov") << int(Vrbinov) << "Nový Lesov" << "Plavy" << 1;
    QTest::newRow("Zálesí Dolanov n.Ok.") << int(Zalesi) << "Dolanov n.Ok." << "Loučkovice" << 1;
    QTest::newRow("Olšanov Dolanov n.Ok.") << int(Olsanov) << "Dolanov n.Ok." << "" << 1;
    QTest::newRow("Hutky Vrbinov") << int(Hutky) << "Vrbinov" << "" << 2;
    QTest::newRow("compared case-sensitively") << int(Vrbinov) << "hutky" << "" << 0;
    QTest::newRow("short name is no station") << int(Dolanov) << "Olšanov" << "" << 0;
    QTest::newRow("station of another simulator") << int(Hutky) << "Radlická" << "" << 0;
    QTest::newRow("line 7 as it stands") << int(Vrbinov) << "Plavy Nové" << "Plavy Nové" << 1;
    QTest::newRow("empty line 7") << int(Dolanov) << "" << "" << 2;
    QTest::newRow("line 7 without such a row") << int(Hutky) << "Plavy" << "Plavy" << 0;
    QTest::newRow("unknown simulator") << int(Unknown) << "Hutky" << "" << 0;
}

void StationTableTest::findsCodesOfChosenStations()
{
    QFETCH(int, simulator);
    QFETCH(QString, station);
    QFETCH(QString, specified);
    QFETCH(int, code);

    QCOMPARE(neighbourCode(simulator, station, specified), code ? std::optional<int>(code) : std::nullopt);
}

void StationTableTest::everyListedStationHasItsPositionAsCode()
{
    const auto &catalogue = simulatorCatalogue();
    for (int simulator = 0; simulator < catalogue.size(); ++simulator) {
        QStringList options = catalogue[simulator].stationOptions;
        if (options.isEmpty())
            options.append(QString());
        for (const QString &specified : options) {
            const QStringList stations = neighbourStations(simulator, specified);
            QVERIFY(!stations.isEmpty());
            for (int i = 0; i < stations.size(); ++i)
                QCOMPARE(neighbourCode(simulator, stations[i], specified), std::optional<int>(i + 1));
        }
    }
}

QTEST_GUILESS_MAIN(StationTableTest)
#include "tst_station_table.moc"
