// Feeds any bytes to the reader of channel editor reference lists (ImportInvariante.h says what must hold).
#include "ImportInvariante.h"
#include "import/Referenzliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    return senvio::fuzz::PruefeLeser(daten, groesse, senvio::IstReferenzliste, senvio::LeseReferenzliste);
}
