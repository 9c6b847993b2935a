// Feeds any bytes to the reader of Philips TV exports as each of the folder's files
// (FernsehInvariante.h): the first byte picks the file.
#include "FernsehInvariante.h"
#include "import/Philipsliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    if (groesse == 0)
        return 0;
    const QString name = senvio::Philipsdateinamen[daten[0] % senvio::Philipsdateinamen.size()];
    QHash<QString, QByteArray> dateien{{name, senvio::fuzz::FuzzBytes(daten + 1, groesse - 1)}};
    return senvio::fuzz::PruefeFernsehleser(
        [&] { return senvio::LesePhilipsListe(dateien, QStringLiteral("/stick/ChannelList")); });
}
