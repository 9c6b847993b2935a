// Feeds any bytes to the reader of Grundig TV exports (FernsehInvariante.h says what must hold).
#include "FernsehInvariante.h"
#include "import/Grundigliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    return senvio::fuzz::PruefeDateileser(daten, groesse, senvio::IstGrundigListe, senvio::LeseGrundigListe);
}
