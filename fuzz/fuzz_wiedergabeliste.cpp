// Feeds any bytes to the reader of M3U and M3U8 playlists (ImportInvariante.h says what must hold).
#include "ImportInvariante.h"
#include "import/Wiedergabeliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    return senvio::fuzz::PruefeLeser(daten, groesse, senvio::IstWiedergabeliste, senvio::LeseWiedergabeliste);
}
