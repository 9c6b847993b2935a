// Feeds any bytes, as a SQLite database, to the reader of Hisense and Loewe TV exports
// (FernsehInvariante.h): the SQLite layer is fuzzed with it.
#include "FernsehInvariante.h"
#include "import/Hisenseliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes = senvio::fuzz::FuzzBytes(daten, groesse);
    return senvio::fuzz::PruefeFernsehleser([&] {
        const senvio::Sqlitebild db(bytes, QStringLiteral("/stick/channel.db"));
        senvio::IstHisenseDatenbank(db);
        return senvio::LeseHisenseDatenbank(db);
    });
}
