// Feeds any bytes to the reader of recorder channel files (ImportInvariante.h says what must hold).
#include "ImportInvariante.h"
#include "import/Kanaldatei.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    return senvio::fuzz::PruefeLeser(daten, groesse, senvio::IstKanaldatei, senvio::LeseKanaldatei);
}
