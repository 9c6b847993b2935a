#pragma once

#include "platform/Fehler.h"

namespace senvio::test {

// The message of the error the call throws, with "Datei: " before it for a DateiFehler;
// "" when it throws none.
template <typename Aufruf> QString Meldung(Aufruf aufruf) {
    try {
        aufruf();
    } catch (const DateiFehler& f) {
        return QStringLiteral("Datei: ") + f.meldung();
    } catch (const Fehler& f) {
        return f.meldung();
    }
    return {};
}

} // namespace senvio::test
