// Feeds any bytes to the reader of channel editor reference lists and checks
// the invariants every fund keeps (ImportInvariante.h). The format check must not fail either.
#include "ImportInvariante.h"
#include "import/Referenzliste.h"

#include <cstdint>

using namespace senvio;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    IstReferenzliste(bytes);
    fuzz::PruefeFund(LeseReferenzliste(bytes, QStringLiteral("/ordner/radio.liste")));
    return 0;
}
