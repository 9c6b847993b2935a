#pragma once

// What must hold for every fund an import reader returns, whatever the bytes:
// 1. Every name is single-line (MacheEinzeilig leaves it as it is) and holds no
//    broadcast emphasis code (U+0086, U+0087).
// 2. Every group index of a channel names a group of the fund, none twice.
// 3. Each group's count is the number of channels that name it, and no group is empty.
// 4. No logo key is empty.
#include "Invariante.h"
#include "import/Importquelle.h"
#include "list/Zeilenformat.h"

#include <QList>

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

// One run of a reader of a single file: its format check and its reading must survive
// the bytes, and the fund must keep the invariants. The file name makes ungrouped
// entries of a playlist radio.
inline int PruefeLeser(const uint8_t* daten, size_t groesse, bool (*ist)(QByteArrayView),
                       ImportFund (*lies)(const QByteArray&, const QString&)) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    ist(bytes);
    PruefeFund(lies(bytes, QStringLiteral("/ordner/radio.liste")));
    return 0;
}

} // namespace senvio::fuzz
