// Feeds any bytes to the reader of Sony TV exports (FernsehInvariante.h says what must hold).
#include "FernsehInvariante.h"
#include "import/Sonyliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    return senvio::fuzz::PruefeDateileser(daten, groesse, senvio::IstSonyListe, senvio::LeseSonyListe);
}
