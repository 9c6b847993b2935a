#pragma once

// The readers of TV sets' exports must survive any bytes: a fund that keeps the
// invariants of ImportInvariante.h, or a Fehler with a German message; nothing else.
#include "ImportInvariante.h"
#include "import/Archiv.h"
#include "import/Sqlitebild.h"
#include "platform/Fehler.h"

#include <functional>

namespace senvio::fuzz {

inline QByteArray FuzzBytes(const uint8_t* daten, size_t groesse) {
    return QByteArray(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
}

inline int PruefeFernsehleser(const std::function<ImportFund()>& lies) {
    try {
        const ImportFund fund = lies();
        PruefeFund(fund);
        PruefeZeilen(fund);
        int eigene = 0;
        for (const ImportGruppe& g : fund.gruppen)
            eigene += g.eigeneListe && g.vorgewaehlt ? 1 : 0;
        Pruefe(eigene <= 1, "Mehr als eine Liste des Fernsehers vorgewählt");
    } catch (const Fehler& f) {
        Pruefe(!f.meldung().isEmpty(), "Fehler ohne Meldung");
    }
    return 0;
}

// A reader of a file's bytes.
inline int PruefeDateileser(const uint8_t* daten, size_t groesse, bool (*ist)(QByteArrayView),
                            ImportFund (*lies)(const QByteArray&, const QString&)) {
    const QByteArray bytes = FuzzBytes(daten, groesse);
    ist(bytes);
    return PruefeFernsehleser([&] { return lies(bytes, QStringLiteral("/stick/liste")); });
}

// A reader of the members of a zip or tar: the archive layer is fuzzed with it.
inline int PruefeArchivleser(const uint8_t* daten, size_t groesse, bool (*ist)(const QList<Archivteil>&),
                             ImportFund (*lies)(const QList<Archivteil>&, const QString&)) {
    const QByteArray bytes = FuzzBytes(daten, groesse);
    return PruefeFernsehleser([&] {
        const QList<Archivteil> teile = LeseArchiv(bytes, QStringLiteral("/stick/liste.zip"));
        ist(teile);
        return lies(teile, QStringLiteral("/stick/liste.zip"));
    });
}

} // namespace senvio::fuzz
