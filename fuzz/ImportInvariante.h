#pragma once

// What must hold for every fund an import reader returns, whatever the bytes:
// 1. Every name is single-line (MacheEinzeilig leaves it as it is) and holds no
//    broadcast emphasis code (U+0086, U+0087).
// 2. Every group index of a channel names a group of the fund, none twice.
// 3. Each group's count is the number of channels that name it, and no group is empty.
// 4. No logo key is empty.
// 5. Each entry an import makes of it, built into a list line, parses back to its name and
//    logo; no list gets more "(frei)" entries than the bound allows.
#include "Invariante.h"
#include "import/Import.h"
#include "import/Importquelle.h"
#include "list/Zeilenformat.h"

#include <QList>

#include <algorithm>
#include <cstdint>

namespace senvio::fuzz {

inline void PruefeFund(const ImportFund& fund) {
    QList<int> anzahl(fund.gruppen.size(), 0);
    for (const ImportSender& s : fund.sender) {
        Pruefe(MacheEinzeilig(s.name) == s.name, "Name ist nicht einzeilig");
        Pruefe(!s.name.contains(QChar(0x86)) && !s.name.contains(QChar(0x87)), "Name mit Betonungszeichen");
        Pruefe(!s.logoSchluessel.contains(QString()), "Leerer Logoschlüssel");
        for (qsizetype i = 0; i < s.gruppen.size(); ++i) {
            const int g = s.gruppen[i];
            Pruefe(g >= 0 && g < fund.gruppen.size(), "Gruppenindex außerhalb");
            Pruefe(!s.gruppen.first(i).contains(g), "Gruppe doppelt genannt");
            ++anzahl[g];
        }
    }
    for (qsizetype g = 0; g < fund.gruppen.size(); ++g) {
        Pruefe(fund.gruppen[g].anzahl == anzahl[g], "Anzahl der Gruppe stimmt nicht");
        Pruefe(anzahl[g] > 0, "Leere Gruppe");
    }
}

inline void PruefeZeilen(const ImportFund& fund) {
    const Importlisten listen = ImportEintraege(fund, VorgewaehlteGruppen(fund));
    // The dialog's count of entries is that of the entries made.
    const Eintragszahl zahl = ZaehleEintraege(fund, VorgewaehlteGruppen(fund), {});
    Pruefe(zahl.liste == listen.liste.size() && zahl.radio == listen.radio.size(), "Zahl der Einträge stimmt nicht");
    qsizetype n = 0;
    for (const QList<ImportEintrag>* liste : {&listen.liste, &listen.radio}) {
        Pruefe(liste->size() <= std::max<qsizetype>(GroessteListeMitLuecken, fund.sender.size()), "Zu viele Einträge");
        for (const ImportEintrag& e : *liste) {
            const QString name = MacheEinzeilig(e.name), logo = e.logoSchluessel.value(0, Platzhalterpfad(1));
            const ZeilenTeile t = ZerlegeZeile(BaueZeile(Praefix(++n), name, logo));
            Pruefe(t.hatTrenner && t.praefix == Praefix(n) && t.name == name && t.logoPfad == logo,
                   "Zeile liest sich anders zurück");
        }
    }
}

// One run of a reader of a single file: its format check and its reading must survive
// the bytes, and the fund must keep the invariants. The file name makes ungrouped
// entries of a playlist radio.
inline int PruefeLeser(const uint8_t* daten, size_t groesse, bool (*ist)(QByteArrayView),
                       ImportFund (*lies)(const QByteArray&, const QString&)) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    ist(bytes);
    const ImportFund fund = lies(bytes, QStringLiteral("/ordner/radio.liste"));
    PruefeFund(fund);
    PruefeZeilen(fund);
    return 0;
}

} // namespace senvio::fuzz
