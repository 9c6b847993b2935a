// Feeds any bytes to the bouquet reader as a whole bouquet set and checks what must
// hold for every set.
//
// The first byte picks TV, radio or both; the rest is cut at each byte FF into the
// files below, in this order (FF never occurs in UTF-8, Windows-1252 text loses "ÿ").
// Invariants, for F = LeseBouquets(wahl, set):
// 1. Every name, group name and note is single-line; no name holds U+0086 or U+0087.
// 2. Each channel names exactly one group, and that index is valid.
// 3. Each group's count is the number of its channels; placeholders have no name and
//    no logo key; every logo key is a picon name: ten upper-case hex fields joined by "_".
// 4. Radio groups come after TV groups and only when radio is chosen, TV only when TV is.
// 5. The lines of its entries parse back (ImportInvariante.h).
#include "ImportInvariante.h"
#include "import/Bouquets.h"
#include "list/Zeilenformat.h"

#include <QMap>
#include <QRegularExpression>

#include <cstdint>

using namespace senvio;
using senvio::fuzz::Pruefe;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    if (groesse == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(daten) + 1, static_cast<qsizetype>(groesse - 1));
    const BouquetWahl wahl = BouquetWahl(daten[0] % 3);
    static const char* const namen[] = {
        "bouquets.tv",       "bouquets.radio", "userbouquet.a.tv", "userbouquet.b.radio",
        "alternatives.x.tv", "lamedb",         "lamedb5"};
    QMap<QString, QByteArray> set;
    const QList<QByteArray> teile = bytes.split('\xFF');
    for (qsizetype i = 0; i < teile.size() && i < qsizetype(std::size(namen)); ++i)
        set.insert(QString::fromLatin1(namen[i]), teile[i]);
    (void)IstBouquetDatei(bytes);
    (void)BouquetWahlDerDatei(QString::fromUtf8(bytes.left(64)));

    const ImportFund f = LeseBouquets(
        wahl, [&set](const QString& name) { return set.contains(name) ? std::optional(set[name]) : std::nullopt; });
    const auto einzeilig = [](const QString& t) { return MacheEinzeilig(t) == t; };
    static const QRegularExpression piconname(QStringLiteral("\\A[0-9A-F]+(_[0-9A-F]+){9}\\z"));
    QList<int> anzahl(f.gruppen.size(), 0);
    int platz[2] = {0, 0}; // the receiver counts TV and radio each from 1
    for (const ImportSender& s : f.sender) {
        Pruefe(einzeilig(s.name) && !s.name.contains(QChar(0x86)) && !s.name.contains(QChar(0x87)),
               "Name ist nicht bereinigt");
        Pruefe(s.gruppen.size() == 1 && s.gruppen[0] >= 0 && s.gruppen[0] < f.gruppen.size(), "Gruppe ungültig");
        Pruefe(!s.platzhalter || (s.name.isEmpty() && s.logoSchluessel.isEmpty()),
               "Platzhalter mit Namen oder Logoschlüssel");
        for (const QString& k : s.logoSchluessel)
            Pruefe(piconname.match(k).hasMatch(), "Logoschlüssel ist kein Piconname");
        Pruefe(s.nummer == ++platz[f.gruppen[s.gruppen[0]].radio ? 1 : 0], "Nummer nicht die des Platzes");
        ++anzahl[s.gruppen[0]];
    }
    bool radio = false;
    for (qsizetype i = 0; i < f.gruppen.size(); ++i) {
        const ImportGruppe& g = f.gruppen[i];
        Pruefe(einzeilig(g.name), "Gruppenname nicht einzeilig");
        Pruefe(g.eigeneZaehlung && !g.datei.isEmpty(), "Gruppe ohne Datei oder eigene Zählung");
        Pruefe(g.anzahl == anzahl[i], "Anzahl der Gruppe stimmt nicht");
        Pruefe(g.radio || !radio, "Fernsehgruppe nach Radiogruppe");
        Pruefe(g.radio ? wahl != BouquetWahl::Fernsehen : wahl != BouquetWahl::Radio, "Gruppe nicht gewählt");
        radio = g.radio;
    }
    for (const QString& h : f.hinweise)
        Pruefe(einzeilig(h), "Hinweis ist nicht einzeilig");
    fuzz::PruefeZeilen(f);
    return 0;
}
