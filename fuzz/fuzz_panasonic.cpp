// Feeds any bytes to the reader of Panasonic TV exports (FernsehInvariante.h says what must hold).
#include "FernsehInvariante.h"
#include "import/Panasonicliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    return senvio::fuzz::PruefeDateileser(daten, groesse, senvio::IstPanasonicListe, senvio::LesePanasonicListe);
}
