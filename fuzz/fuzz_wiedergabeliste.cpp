// Feeds any bytes to the reader of M3U and M3U8 playlists, under a file name that makes ungrouped entries radio,
// and checks the invariants every fund keeps (ImportInvariante.h). The format check must not fail either.
#include "ImportInvariante.h"
#include "import/Wiedergabeliste.h"

#include <cstdint>

using namespace senvio;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    IstWiedergabeliste(bytes);
    fuzz::PruefeFund(LeseWiedergabeliste(bytes, QStringLiteral("/ordner/radio.liste")));
    return 0;
}
