// Feeds any bytes to the reader of Lg TV exports (FernsehInvariante.h says what must hold).
#include "FernsehInvariante.h"
#include "import/Lgliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    return senvio::fuzz::PruefeDateileser(daten, groesse, senvio::IstLgListe, senvio::LeseLgListe);
}
