#include "help/help_text.h"

#include "document/program_version.h"

namespace tgx {

namespace {

// One section of the guide: a heading and its paragraphs, one a line.
struct HelpSection {
    QString heading;
    QStringList paragraphs;
};

const QString kTitle = QStringLiteral("TGX editor pro Zelto Edici 246");
const QString kVersion = QStringLiteral("Verze ") + kProgramVersion;
const QString kPurpose = QStringLiteral("Tento program je určený pro tvorbu grafikonů pro simulátory Zelto Edice 246.");

const HelpSection kSections[] = {
    {QStringLiteral("Nový grafikon"),
     {QStringLiteral("Nový grafikon založíte příkazem Soubor -> Nový. Než do něj začnete přidávat vlaky, vyplňte jeho vlastnosti v nabídce Soubor -> Vlastnosti."),
      QStringLiteral("Údaj „Pro simulátor“ je povinný: určuje, pro který simulátor Zelto Edice 246 je grafikon tvořený."),
      QStringLiteral("Pro simulátory Vrbinov, Dolanov a Zálesí je povinný také údaj „Upřesnit ŽST“. Zvolte v něm, která stanice je pro tento grafikon sousední ve směru, ve kterém byla v minulosti zrušena sousední stanice (Plavy nebo Loučkovice): buď tato zrušená stanice, nebo stanice za ní."),
      QStringLiteral("Povinný je i údaj „Soubor vozidel“: cesta k textovému souboru se seznamem obrázků vozidel, zapsaná relativně ke spouštěcímu souboru simulátoru."),
      QStringLiteral("Ostatní údaje jsou nepovinné. Doporučujeme však vyplnit alespoň název grafikonu, protože jej simulátor zobrazuje při výběru grafikonu."),
      QStringLiteral("Potom můžete do grafikonu přidávat vlaky (viz Nový vlak).")}},
    {QStringLiteral("Vlastnosti grafikonu"),
     {QStringLiteral("Okno Vlastnosti otevřete příkazem Soubor -> Vlastnosti kdykoli, také u hotového grafikonu. Změny zapíšete tlačítkem OK, tlačítko Storno okno zavře bez zápisu."),
      QStringLiteral("Údaje Název, Autor, Verze a Komentář jsou volné texty, které grafikon popisují."),
      QStringLiteral("Údaje Editor a Kódování měnit nelze: program je doplní sám při uložení grafikonu."),
      QStringLiteral("Sousední stanice a koleje vlaků se řídí zvoleným simulátorem. Změníte-li simulátor u grafikonu, který už obsahuje vlaky, vlaky zkontrolujte a případně upravte.")}},
    {QStringLiteral("Nový vlak"),
     {QStringLiteral("Vlak přidáte příkazem Editace -> Přidat vlak (klávesa F2). Otevře se okno Přidat vlak."),
      QStringLiteral("Vyplnit je nutné všechny údaje kromě poznámky. Volby Výchozí, Končící a Průjezd vypnou údaje, které vlak nepotřebuje."),
      QStringLiteral("Časy se zadávají výběrem hodiny (0 až 23) a minuty (00 až 59)."),
      QStringLiteral("Skupina Obecné:"),
      QStringLiteral("Druhová zkratka – druh vlaku (SC, EC, IC, EN, Ex, R, Sp, Zr, Os, Sv, NEx, Rn, Sn, Vn, Pn, Pv, Mn, Vleč, Lv)."),
      QStringLiteral("Číslo vlaku – nejvýše pět číslic."),
      QStringLiteral("Vlakotvorba – až 10 trojmístných čísel vozidel. Každé číslo je číslo řádku v souboru vozidel, na kterém je uvedena cesta k obrázku vozidla. První vozidlo je vlevo. Vyplňte všech deset polí, chybějící vozidla zapište jako 000."),
      QStringLiteral("Skupina Příjezd:"),
      QStringLiteral("Ze stanice – sousední stanice, ze které vlak přijíždí."),
      QStringLiteral("Odjezd – čas odjezdu vlaku ze sousední stanice."),
      QStringLiteral("Příjezd – čas příjezdu vlaku do vlastní stanice."),
      QStringLiteral("Výchozí – vlak začíná jízdu ve vlastní stanici, údaje o příjezdu se nevyplňují."),
      QStringLiteral("Průjezd – vlak sousední stanicí, ze které přijíždí, projíždí bez zastavení."),
      QStringLiteral("Pravidelná kolej – kolej vlastní stanice, na kterou vlak pravidelně přijíždí. Vlak, který pravidelnou kolej nemá, má jako číslo koleje 0."),
      QStringLiteral("Skupina Odjezd:"),
      QStringLiteral("Do stanice – sousední stanice, do které vlak odjíždí."),
      QStringLiteral("Odjezd – čas odjezdu vlaku z vlastní stanice."),
      QStringLiteral("Příjezd – čas příjezdu vlaku do sousední stanice."),
      QStringLiteral("Končící – vlak končí jízdu ve vlastní stanici, údaje o odjezdu se nevyplňují."),
      QStringLiteral("Průjezd – vlak vlastní stanicí projíždí bez zastavení, čas odjezdu je proto stejný jako čas příjezdu."),
      QStringLiteral("Poznámka – libovolný text, není povinná."),
      QStringLiteral("Vlak se v grafikonu objeví po potvrzení tlačítkem OK."),
      QStringLiteral("Vlastní stanicí se rozumí stanice, ve které má výpravčí službu.")}},
    {QStringLiteral("Odebrat vlak"),
     {QStringLiteral("V seznamu vlaků vyberte vlak, který chcete odebrat, a zvolte Editace -> Odebrat vlak (klávesa Delete)."),
      QStringLiteral("Program se ještě zeptá, zda chcete vlak opravdu odebrat."),
      QStringLiteral("Odebraný vlak zmizí ze seznamu vlaků. Do souboru se změna zapíše až uložením grafikonu.")}},
    {QStringLiteral("Upravit vlak"),
     {QStringLiteral("V seznamu vlaků vyberte vlak a zvolte Editace -> Upravit vlak (klávesa F5)."),
      QStringLiteral("Otevře se okno Upravit vlak s údaji vybraného vlaku. Údaje upravíte stejně jako u nového vlaku (viz Nový vlak) a změny potvrdíte tlačítkem OK.")}},
    {QStringLiteral("Uložení a otevření grafikonu"),
     {QStringLiteral("Grafikon uložíte příkazem Soubor -> Uložit (Ctrl+S) nebo Soubor -> Uložit jako. Grafikony se ukládají s příponou .46g."),
      QStringLiteral("Příkazem Soubor -> Otevřít (Ctrl+O) lze otevřít jen soubory s příponou .46g."),
      QStringLiteral("Před založením nového grafikonu, otevřením jiného grafikonu a ukončením programu se program zeptá, zda chcete uložit neuložené změny.")}},
    {QStringLiteral("Export"),
     {QStringLiteral("Příkaz Soubor -> Export uloží seznam vlaků grafikonu jako textový soubor s příponou .txt."),
      QStringLiteral("Takový soubor přečtete v libovolném textovém editoru.")}},
    {QStringLiteral("Zobrazení zdrojového kódu"),
     {QStringLiteral("Příkaz Zobrazit -> Zdrojový kód zobrazí celý soubor grafikonu tak, jak bude uložen. Případné chyby v něm pak můžete opravit ručně."),
      QStringLiteral("Pozor: neodborným zásahem ve zdrojovém kódu může dojít k okamžitému ukončení tohoto programu nebo simulátoru, který tento grafikon bude používat."),
      QStringLiteral("K seznamu vlaků se vrátíte příkazem Zobrazit -> Grafikon.")}},
    {QStringLiteral("Obsazení kolejí a kontrola grafikonu"),
     {QStringLiteral("Příkaz Zobrazit -> Obsazení kolejí (klávesa F6) nebo tlačítko Obsazení kolejí na panelu nástrojů ukáže, kdy který vlak stojí na které koleji vlastní stanice."),
      QStringLiteral("Každá kolej má svůj řádek: nejprve koleje zvoleného simulátoru v tom pořadí, v jakém je nabízí okno vlaku, potom každá další kolej, kterou vlaky grafikonu používají. Čas běží zleva doprava přes celý den, s mřížkou a popisem hodin."),
      QStringLiteral("Vlak je pruh od první do poslední minuty, kdy kolej obsazuje. Druh a číslo vlaku stojí v pruhu, a nevejdou-li se do něj, vedle pruhu, je-li tam místo. Vlaky, které jsou na stejné koleji ve stejnou minutu, leží v řádku koleje pod sebou, takže je vidět a lze vybrat každý z nich. Osobní vlaky (SC až Sv), nákladní vlaky (NEx až Vleč) a lokomotivy (Lv) mají každé svou barvu. Projíždějící vlak obsazuje kolej jedinou minutu, vlak jedoucí přes půlnoc je nakreslen na obou koncích dne."),
      QStringLiteral("Vlak, který ve vlastní stanici začíná (Výchozí), obsazuje kolej odhadem už deset minut před odjezdem, vlak, který v ní končí (Končící), ještě deset minut po příjezdu. Tyto odhadnuté minuty jsou v pruhu šrafované."),
      QStringLiteral("Vlak, který se na své koleji potká s jiným vlakem, je orámovaný červeně; při možné kolizi je rámeček červený čárkovaný. Co barvy, šrafování a rámečky znamenají, vysvětluje legenda pod grafem."),
      QStringLiteral("Měřítko změníte klávesami Ctrl+kolečko myši nebo + a −, od celého dne po zhruba dvě hodiny; do stran se graf posouvá posuvníkem. Když na vlak najedete myší, ukáže se jeho řádek ze seznamu vlaků a pod ním každý nález, který se vlaku týká. Klepnutím vlak vyberete stejně jako v seznamu vlaků, takže s ním pracují i příkazy Upravit vlak a Odebrat vlak. Poklepáním otevřete okno Upravit vlak."),
      QStringLiteral("Příkaz Uložit obrázek... v místní nabídce grafu uloží celý den v zobrazeném měřítku i s legendou jako obrázek PNG nebo dokument PDF, podle zvoleného typu souboru; příponu doplní, chybí-li."),
      QStringLiteral("Pod seznamem vlaků, zdrojovým kódem i obsazením kolejí je podokno Kontrola grafikonu. Program v něm po každé změně grafikonu vypíše, co našel, každý nález na jednom řádku s číslem řádku grafikonu. Poklepáním na nález nebo klávesou Enter na něj přejdete: v seznamu vlaků se vybere jeho vlak, obsazení kolejí ukáže jeho vlak, a týká-li se nález dvou vlaků, oba, a zdrojový kód označí jeho řádek. Nález o záznamu, který nelze přečíst, otevře zdrojový kód na jeho řádku. Když nic nenajde, stojí v podokně Grafikon je bez chyb."),
      QStringLiteral("Program hledá tyto chyby:"),
      QStringLiteral("Kolize na koleji – dva vlaky jsou na stejné koleji ve stejnou minutu. Jsou-li všechny společné minuty u jednoho z vlaků odhadnuté, jde o možnou kolizi. Vlaky na koleji 0 (bez pravidelné koleje) spolu nekolidují."),
      QStringLiteral("Kolej v této stanici není – vlak má kolej, kterou zvolený simulátor nemá. U simulátoru Skalín, který koleje nenabízí, a u grafikonu bez zvoleného simulátoru program koleje ani kolize nekontroluje."),
      QStringLiteral("Simulátor editor nezná – druhý řádek grafikonu neuvádí žádný ze šesti simulátorů přesně tak, jak je nabízí okno Vlastnosti (pozor na mezeru na konci, chybějící diakritiku nebo soubor uložený v kódování UTF-8). Koleje a předjíždění pak program nekontroluje a říká to nálezem na řádku 2."),
      QStringLiteral("Číslo vlaku je už na jiném řádku – stejné číslo má už vlak výše v grafikonu."),
      QStringLiteral("Odjezd je dříve než příjezd – vlak má odjezd z vlastní stanice před příjezdem do ní."),
      QStringLiteral("Předjíždění – vlak odjede do stejné sousední stanice později než jiný vlak, a přesto tam dorazí dříve; stejně tak u vlaků přijíždějících ze stejné sousední stanice."),
      QStringLiteral("Záznam vlaku nelze přečíst – řádek grafikonu je příliš krátký nebo má v čísle vlaku, v kódu stanice či v čase něco jiného, než tam patří. Kontrola pokračuje dalším řádkem."),
      QStringLiteral("Každý vlak uvede nejvýše deset kolizí a deset předjetí; kolik dalších vynechal, řekne nález „a ještě … dalších kolizí“ nebo „a ještě … dalších předjíždění“. Kolize hlásí vždy vlak, který je v grafikonu níže."),
      QStringLiteral("Grafikony lze zkontrolovat i bez otevření okna programu: tgxeditor --check SOUBOR... Program vypíše každý nález jako SOUBOR:ŘÁDEK: TEXT a skončí s kódem 0, když nic nenašel, 1, když něco našel, a 2, když některý soubor nešel přečíst nebo je příkaz zadaný chybně. Řídicí znaky ze souboru vypíše jako \\xNN.")}},
    {QStringLiteral("Zpět, kopírování, opakování, hledání a řazení vlaků"),
     {QStringLiteral("Editace -> Zpět (Ctrl+Z) vrátí poslední změnu grafikonu, Editace -> Znovu (Ctrl+Y nebo Ctrl+Shift+Z) ji provede znovu. Každý příkaz se vrací celý najednou, i když změnil více řádků (OK v okně vlaku nebo ve vlastnostech, Odebrat vlak, opakování, řazení); psaní ve zdrojovém kódu je krokem samo pro sebe a vrací se po řádcích. Po vrácení program ukáže řádek, kterého se změna týkala, a vybere jeho vlak. Nový grafikon a otevření souboru začínají bez historie; uložení ji zachová a Zpět i Znovu po něm dělají totéž co před ním. Dokud grafikon obsahuje neuložené změny, stojí ve stavovém řádku Změněno; vrátíte-li změny až k uloženému stavu, nápis zmizí a program se na uložení změn neptá."),
      QStringLiteral("Editace -> Kopírovat vlak... (Ctrl+D) otevře okno Přidat vlak vyplněné podle vybraného vlaku; po OK přibude nový vlak a původní zůstane."),
      QStringLiteral("Editace -> Opakovat vlak... (Ctrl+R) přidá kopie vybraného vlaku: Počet opakování kopií, každou o Interval (min) později a s číslem vlaku změněným o Změnu čísla vlaku. Časy přes půlnoc pokračují od začátku dne. Vyšlo-li by číslo vlaku mimo rozsah 0 až 99999, nepřidá se nic."),
      QStringLiteral("Editace -> Najít vlak... (Ctrl+F) ukáže nad seznamem pole pro hledání. Program vybere první vlak od vybraného dál, jehož řádek v seznamu hledaný text obsahuje; na velikosti písmen nezáleží, na diakritice ano. Enter nebo F3 najde další, Esc pole skryje."),
      QStringLiteral("Editace -> Seřadit vlaky podle času seřadí vlaky podle příjezdu do vlastní stanice, u výchozích vlaků podle odjezdu. Vlaky se stejným časem zůstanou v původním pořadí, nečitelné záznamy se přesunou na konec a prázdné řádky zůstanou na svém místě.")}},
    {QStringLiteral("Ovládání z klávesnice"),
     {QStringLiteral("Klávesa F10 otevře nabídku Soubor; šipkami přejdete na další nabídky a příkazy. Každá nabídka má v názvu podtržené písmeno: klávesa Alt s tímto písmenem ji otevře (Alt+S otevře nabídku Soubor) a v otevřené nabídce zvolí příkaz jeho podtržené písmeno."),
      QStringLiteral("Soubor -> Uložit jako... (Ctrl+Shift+S), Soubor -> Vlastnosti... (Alt+Enter), Soubor -> Tisk... (Ctrl+P), Editace -> Seřadit vlaky podle času (Ctrl+Shift+T)."),
      QStringLiteral("Zobrazit -> Grafikon (Ctrl+1), Zobrazit -> Zdrojový kód (Ctrl+2), Zobrazit -> Obsazení kolejí (Ctrl+3 nebo F6)."),
      QStringLiteral("Pole pro hledání (Ctrl+F) hledá v tom zobrazení, které je právě vidět: v seznamu a v obsazení kolejí vybere nalezený vlak, ve zdrojovém kódu označí jeho řádek. Esc pole skryje, ať je kurzor kdekoli v hlavním okně. Nový grafikon a otevření souboru pole skryjí a hledaný text vymažou."),
      QStringLiteral("V okně Opakovat vlak zavře Esc okno stejně jako tlačítko Storno.")}},
    {QStringLiteral("Výsledek příkazů"),
     {QStringLiteral("Po přidání, kopírování, úpravě a opakování vlaku je nový nebo upravený vlak vybraný a vidět v seznamu i v obsazení kolejí; u opakování první kopie."),
      QStringLiteral("Okno Opakovat vlak uvádí, který vlak opakuje, a pod údaji ukazuje už během psaní, co opakování vytvoří: vlak a jeho čas ve vlastní stanici, za šipkou první kopii a u více kopií za třemi tečkami poslední. Hodnotu mimo povolený rozsah program sám neopraví: OK ji odmítne se zprávou, jaký rozsah platí, a okno zůstane otevřené.")}},
    {QStringLiteral("Grafikon trati"),
     {QStringLiteral("Zobrazit -> Grafikon trati (Ctrl+4 nebo F7) nakreslí grafikon trati: stanice shora dolů, den zleva doprava a každý vlak jako čáru, která mezi stanicemi klesá nebo stoupá a ve stanici, kde vlak stojí, vede vodorovně. Každý záznam uvádí časy vlaku ve vlastní stanici a v sousedních stanicích, odkud vlak přijíždí a kam odjíždí, takže už jeden grafikon dává tři stanice trati. Grafikon trati se kreslí podle simulátoru v řádku 2; bez něj program místo grafu vypíše, že simulátor chybí."),
      QStringLiteral("V poli Trať: nad grafem zvolíte trať, na níž vlastní stanice leží: Nový Lesov – Obora - Mrázov, Dolanov n.Ok. – Tovačov východ, Vrbinov – Radlická, Česká Zálesí – Zálesský Pernov, Česká Zálesí – vlečka Cihelna nebo Dolanov n.Ok. – vlečka Kobar. Graf ukazuje stanice od první do poslední, kterou některý z grafikonů uvádí. Vzdálenost dvou stanic odpovídá nejkratší jízdní době mezi nimi; vlastní stanice grafikonů jsou vyznačené silnější čarou a jejich jména tučně."),
      QStringLiteral("Tlačítkem Přidat grafikon... otevřete grafikony sousedních simulátorů (i několik najednou). Zobrazí se v řádku nad grafem jménem své vlastní stanice a tlačítkem × je zase odeberete. Program je jen čte, nikdy do nich nezapisuje; zůstanou otevřené i po Novém grafikonu a Otevřít, dokud program běží, a když se soubor na disku změní, program ho načte znovu. Soubor, který nejde přečíst, program ohlásí a nepřidá; grafikon stanice, která je už otevřená, odmítne."),
      QStringLiteral("Vlak, který jede přes několik simulátorů, je v grafu jedna čára složená podle čísla vlaku. Vlaky otevřeného grafikonu jsou plné, vlaky jen z přidaných grafikonů bledší, vlaky s nálezem kontroly červené. Vlak, který přijíždí ze stanice mimo zvolenou trať nebo tam odjíždí, končí krátkou čárkou se jménem té stanice; vlak přes půlnoc pokračuje na druhém okraji dne. Graf se posouvá a zvětšuje jako obsazení kolejí (Ctrl+kolečko, + a -), až po jednotlivé minuty. Kliknutím vlak vyberete, poklepáním ho upravíte; Uložit obrázek... v místní nabídce uloží celý den."),
      QStringLiteral("Vlak otevřeného grafikonu posunete v čase tak, že ho v grafu trati nebo v obsazení kolejí chytíte levým tlačítkem myši a táhnete do strany. Během tažení ukazuje štítek posun (např. +7 min nebo −12 min); po puštění se posunou všechny časy vlaku o celé minuty jako při opakování vlaku a změna se vrací jedním Zpět. Esc tažení zruší, posun o méně než minutu nic nezmění. Vlaky přidaných grafikonů táhnout nejde."),
      QStringLiteral("S přidanými grafikony program porovnává každý čas vlaku s ostatními grafikony a v podokně Kontrola grafikonu přidá k řádkům otevřeného grafikonu další nálezy:"),
      QStringLiteral("Jiný čas v sousedním grafikonu – jiný grafikon uvádí stejný odjezd nebo příjezd stejného vlaku v jinou minutu, např. Os 4521: odjezd ze stanice Hutky 07:13, ale grafikon stanice Česká Zálesí má 07:12 (řádek 35)."),
      QStringLiteral("Chybí v sousedním grafikonu – stanice je vlastní stanicí jiného grafikonu a ten vlak s tímto odjezdem nebo příjezdem nemá, např. Os 4521: v grafikonu stanice Vrbinov chybí příjezd."),
      QStringLiteral("Číslo vlaku, které je v jednom grafikonu na více řádcích, a nečitelné řádky se neporovnávají."),
      QStringLiteral("Několik souvisejících grafikonů najednou zkontroluje tgxeditor --check A.46g B.46g ...: každý soubor dostane kromě svých nálezů i nálezy proti ostatním souborům, u svých řádků.")}},
    {QStringLiteral("Tabulky CSV"),
     {QStringLiteral("Soubor -> Exportovat do tabulky... zapíše vlaky grafikonu do tabulky CSV, jeden vlak na řádek: druh, číslo, stanice a časy příjezdu i odjezdu, kolej, průjezdy, deset vozů a poznámku. Tabulka se otevře poklepáním v LibreOffice Calc i v Excelu."),
      QStringLiteral("Soubor -> Importovat z tabulky... připojí vlaky z tabulky za poslední řádek grafikonu jedním krokem, který vrátí Editace -> Zpět. Sloupce se poznají podle názvů v prvním řádku a mohou stát v libovolném pořadí; čas může být 5:26, 05:26:00 i 5:26 AM, číslo vozu i bez úvodních nul. Každý řádek se kontroluje jako v okně Přidat vlak. Odmítne-li se jediný řádek, nepřipojí se nic a zpráva vypíše řádek, sloupec a důvod."),
      QStringLiteral("Bez okna: tgxeditor --export-csv GRAFIKON.46g TABULKA.csv zapíše tabulku, tgxeditor --import-csv TABULKA.csv GRAFIKON.46g připojí vlaky a grafikon uloží jako Soubor -> Uložit. Program skončí kódem 0, nebo 2, když soubor nejde přečíst či zapsat nebo je řádek tabulky odmítnut.")}},
    {QStringLiteral("Tisk"),
     {QStringLiteral("Soubor -> Tisk... (Ctrl+P) otevře náhled tisku. V poli List zvolíte, co se vytiskne: Odjezdy (vlaky, které z vlastní stanice odjíždějí, podle času odjezdu), Příjezdy (vlaky, které do ní přijíždějí, podle času příjezdu), Seznam vlaků (řádky seznamu v pořadí grafikonu), Obsazení kolejí nebo Grafikon trati. Odjezdy a příjezdy uvádějí čas, vlak, sousední stanici, kolej, průjezd a poznámku; vlaky ve stejné minutě zůstanou v pořadí grafikonu a záznamy, které nelze přečíst, se nevytisknou."),
      QStringLiteral("Obsazení kolejí a grafikon trati se rozdělí na strany po hodinách tak, aby byl čitelný i dvouminutový pobyt; obsazení kolejí má na každé straně legendu. Každá strana má v záhlaví simulátor, název grafikonu a datum tisku a v zápatí strana n z m."),
      QStringLiteral("Tlačítko Tisknout... otevře obvyklé okno tisku; tiskem do souboru vznikne dokument PDF. Bez okna: tgxeditor --print LIST GRAFIKON.46g SOUBOR.pdf, kde LIST je odjezdy, prijezdy, seznam nebo obsazeni. Program skončí kódem 0, nebo 2, když soubor nejde přečíst či zapsat nebo je list neznámý.")}},
};

void appendUnderlined(QStringList &lines, const QString &heading, QChar mark)
{
    lines << heading << QString(heading.size(), mark);
}

} // namespace

QStringList helpTextLines()
{
    QStringList lines;
    appendUnderlined(lines, kTitle, u'=');
    lines << kVersion << QString() << kPurpose;
    for (const HelpSection &section : kSections) {
        lines << QString() << QString();
        appendUnderlined(lines, section.heading, u'-');
        lines << section.paragraphs;
    }
    return lines;
}

} // namespace tgx
