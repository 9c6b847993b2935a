// Feeds any bytes, as a zip or tar, to the reader of Tcl TV exports (FernsehInvariante.h).
#include "FernsehInvariante.h"
#include "import/Tclliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    return senvio::fuzz::PruefeArchivleser(daten, groesse, senvio::IstTclArchiv, senvio::LeseTclArchiv);
}
