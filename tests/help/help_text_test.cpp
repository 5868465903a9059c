#include "help/help_text.h"

#include <QCryptographicHash>
#include <QTest>

using namespace tgx;

namespace {

const QStringList kHeadings = {
    QStringLiteral("Nový grafikon"),
    QStringLiteral("Vlastnosti grafikonu"),
    QStringLiteral("Nový vlak"),
    QStringLiteral("Odebrat vlak"),
    QStringLiteral("Upravit vlak"),
    QStringLiteral("Uložení a otevření grafikonu"),
    QStringLiteral("Export"),
    QStringLiteral("Zobrazení zdrojového kódu"),
    QStringLiteral("Obsazení kolejí a kontrola grafikonu"),
    QStringLiteral("Zpět, kopírování, opakování, hledání a řazení vlaků"),
    QStringLiteral("Ovládání z klávesnice"),
    QStringLiteral("Výsledek příkazů"),
    QStringLiteral("Grafikon trati"),
    QStringLiteral("Tabulky CSV"),
    QStringLiteral("Tisk"),
};

// The guide's first 83 lines, as they were before the occupancy section came
// after them: the SHA-256 of their text joined by line breaks, in UTF-8.
const QByteArray kFirstLinesHash = "ad42546997b9dbc70655f9863a3e7387944720776224fcd22f8a9a921b73244d";
constexpr int kFirstLines = 83;

bool isUnderline(const QString &line, QChar mark)
{
    return !line.isEmpty() && line.count(mark) == line.size();
}

// Positions of the lines underlined by "-", in text order.
QList<int> headingPositions(const QStringList &lines)
{
    QList<int> positions;
    for (int i = 0; i + 1 < lines.size(); ++i) {
        if (!lines[i].isEmpty() && isUnderline(lines[i + 1], u'-'))
            positions << i;
    }
    return positions;
}

// The lines of the section under heading, up to the empty lines before the next one.
QString sectionText(const QStringList &lines, const QString &heading)
{
    const QList<int> positions = headingPositions(lines);
    const int index = int(positions.indexOf(lines.indexOf(heading)));
    if (index < 0)
        return {};
    const int end = index + 1 < positions.size() ? positions[index + 1] - 2 : int(lines.size());
    return lines.mid(positions[index] + 2, end - positions[index] - 2).join(u'\n');
}

} // namespace

class HelpTextTest : public QObject {
    Q_OBJECT

private slots:
    void keepsItsFirstEightyThreeLines();
    void hasOneLineAParagraph();
    void opensWithTitleVersionAndPurpose();
    void hasTheSectionsInOrder();
    void eachHeadingIsUnderlinedAndSetOff();
    void sectionsTellWhatTheyShould_data();
    void sectionsTellWhatTheyShould();
};

void HelpTextTest::keepsItsFirstEightyThreeLines()
{
    const QStringList lines = helpTextLines();
    QVERIFY(lines.size() > kFirstLines + 3);
    const QByteArray text = lines.mid(0, kFirstLines).join(u'\n').toUtf8();
    QCOMPARE(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex(), kFirstLinesHash);
    // The occupancy section follows them, set off like the others.
    const QString heading = QStringLiteral("Obsazení kolejí a kontrola grafikonu");
    QCOMPARE(lines.mid(kFirstLines, 4), (QStringList{QString(), QString(), heading, QString(heading.size(), u'-')}));
}

void HelpTextTest::hasOneLineAParagraph()
{
    for (const QString &line : helpTextLines()) {
        QVERIFY2(!line.contains(u'\n') && !line.contains(u'\r'), qPrintable(line));
        QVERIFY2(line == line.trimmed(), qPrintable(line));
    }
}

void HelpTextTest::opensWithTitleVersionAndPurpose()
{
    const QStringList lines = helpTextLines();
    QCOMPARE(lines.mid(0, 5),
             (QStringList{QStringLiteral("TGX editor pro Zelto Edici 246"), QString(30, u'='),
                          QStringLiteral("Verze 2.0"), QString(),
                          QStringLiteral("Tento program je určený pro tvorbu grafikonů pro simulátory Zelto Edice 246.")}));
}

void HelpTextTest::hasTheSectionsInOrder()
{
    const QStringList lines = helpTextLines();
    QStringList headings;
    for (int position : headingPositions(lines))
        headings << lines[position];
    QCOMPARE(headings, kHeadings);
}

void HelpTextTest::eachHeadingIsUnderlinedAndSetOff()
{
    const QStringList lines = helpTextLines();
    for (int position : headingPositions(lines)) {
        const QString &heading = lines[position];
        QCOMPARE(lines[position + 1].size(), heading.size());
        // Exactly two empty lines before the heading, at least one paragraph after it.
        QVERIFY2(lines[position - 1].isEmpty() && lines[position - 2].isEmpty(), qPrintable(heading));
        QVERIFY2(!lines[position - 3].isEmpty(), qPrintable(heading));
        QVERIFY2(position + 2 < lines.size() && !lines[position + 2].isEmpty(), qPrintable(heading));
    }
}

void HelpTextTest::sectionsTellWhatTheyShould_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("phrases");

    QTest::newRow("new timetable")
        << "Nový grafikon"
        << QStringList{"Soubor -> Vlastnosti", "Pro simulátor", "Upřesnit ŽST", "Vrbinov", "Dolanov", "Zálesí",
                       "Plavy", "Loučkovice", "Soubor vozidel", "název"};
    QTest::newRow("properties") << "Vlastnosti grafikonu" << QStringList{"Soubor -> Vlastnosti", "Editor", "Kódování"};
    QTest::newRow("new train")
        << "Nový vlak"
        << QStringList{"Editace -> Přidat vlak", "Obecné", "Druhová zkratka", "Číslo vlaku", "pět číslic",
                       "Vlakotvorba", "000", "Příjezd", "Odjezd", "Výchozí", "Končící", "Průjezd",
                       "Pravidelná kolej", "koleje 0", "Poznámka", "vlastní stanicí", "výpravčí"};
    QTest::newRow("remove train") << "Odebrat vlak" << QStringList{"Editace -> Odebrat vlak"};
    QTest::newRow("edit train") << "Upravit vlak" << QStringList{"Editace -> Upravit vlak", "nového vlaku"};
    QTest::newRow("save and open") << "Uložení a otevření grafikonu" << QStringList{".46g", "Soubor -> Otevřít"};
    QTest::newRow("export") << "Export" << QStringList{"Soubor -> Export", ".txt"};
    QTest::newRow("source view")
        << "Zobrazení zdrojového kódu" << QStringList{"Zobrazit -> Zdrojový kód", "okamžitému ukončení"};
    QTest::newRow("occupancy and checks")
        << "Obsazení kolejí a kontrola grafikonu"
        << QStringList{"Zobrazit -> Obsazení kolejí", "F6", "Osobní vlaky (SC až Sv)", "nákladní vlaky (NEx až Vleč)",
                       "lokomotivy (Lv)", "šrafované", "deset minut před odjezdem", "deset minut po příjezdu",
                       "červeně", "Ctrl+kolečko", "+ a −", "Poklepáním otevřete okno Upravit vlak",
                       "Uložit obrázek...", "PNG", "PDF", "Kontrola grafikonu", "Grafikon je bez chyb.",
                       "Kolize na koleji", "možnou kolizi", "koleji 0", "Kolej v této stanici není", "Skalín",
                       "Číslo vlaku je už na jiném řádku", "Odjezd je dříve než příjezd", "Předjíždění",
                       "Záznam vlaku nelze přečíst", "nejvýše deset", "tgxeditor --check SOUBOR...",
                       "SOUBOR:ŘÁDEK: TEXT", "kódem 0", "1, když něco našel", "2, když některý soubor nešel přečíst",
                       "Simulátor editor nezná", "mezeru na konci", "UTF-8", "a ještě … dalších kolizí",
                       "příkaz zadaný chybně", "\\xNN"};
    QTest::newRow("everyday editing")
        << "Zpět, kopírování, opakování, hledání a řazení vlaků"
        << QStringList{"Editace -> Zpět (Ctrl+Z)", "Ctrl+Y nebo Ctrl+Shift+Z", "Kopírovat vlak... (Ctrl+D)",
                       "Opakovat vlak... (Ctrl+R)", "Počet opakování", "Interval (min)", "Změnu čísla vlaku",
                       "0 až 99999", "Najít vlak... (Ctrl+F)", "F3", "Seřadit vlaky podle času"};
    QTest::newRow("keyboard")
        << "Ovládání z klávesnice"
        << QStringList{"F10", "Alt+S", "Uložit jako... (Ctrl+Shift+S)", "Vlastnosti... (Alt+Enter)",
                       "Seřadit vlaky podle času (Ctrl+Shift+T)", "Grafikon (Ctrl+1)", "Zdrojový kód (Ctrl+2)",
                       "Obsazení kolejí (Ctrl+3 nebo F6)", "ve zdrojovém kódu označí jeho řádek", "Esc pole skryje",
                       "otevření souboru pole skryjí", "Esc okno stejně jako tlačítko Storno"};
    QTest::newRow("results of commands")
        << "Výsledek příkazů"
        << QStringList{"přidání, kopírování, úpravě a opakování", "první kopie", "první kopii", "poslední",
                       "OK ji odmítne", "okno zůstane otevřené"};
    QTest::newRow("tables")
        << "Tabulky CSV"
        << QStringList{"Soubor -> Exportovat do tabulky...", "Soubor -> Importovat z tabulky...", "Editace -> Zpět",
                       "libovolném pořadí", "5:26 AM", "nepřipojí se nic", "tgxeditor --export-csv GRAFIKON.46g TABULKA.csv",
                       "tgxeditor --import-csv TABULKA.csv GRAFIKON.46g", "kódem 0, nebo 2"};
}

void HelpTextTest::sectionsTellWhatTheyShould()
{
    QFETCH(QString, heading);
    QFETCH(QStringList, phrases);
    const QString text = sectionText(helpTextLines(), heading);
    QVERIFY2(!text.isEmpty(), qPrintable(heading));
    for (const QString &phrase : phrases)
        QVERIFY2(text.contains(phrase), qPrintable(phrase));
}

QTEST_GUILESS_MAIN(HelpTextTest)
#include "help_text_test.moc"
