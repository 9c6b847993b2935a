// Feeds any bytes to the reader of recorder channel files and checks
// the invariants every fund keeps (ImportInvariante.h). The format check must not fail either.
#include "ImportInvariante.h"
#include "import/Kanaldatei.h"

#include <cstdint>

using namespace senvio;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    IstKanaldatei(bytes);
    fuzz::PruefeFund(LeseKanaldatei(bytes, QStringLiteral("/ordner/radio.liste")));
    return 0;
}
