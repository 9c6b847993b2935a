// Feeds any bytes to the readers of the JSON answers of a box on the network. The first byte
// picks the answer: 0 Enigma2's bouquets, 1 its services (written as a bouquet file and read
// by the bouquet reader, whose entries must make lines that read back), 2 tvheadend's channel grid,
// whose fund keeps ImportInvariante.h.
#include "ImportInvariante.h"
#include "empfang/Empfangsantwort.h"
#include "import/Bouquets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    using namespace senvio;
    if (groesse == 0)
        return 0;
    const QByteArray json(reinterpret_cast<const char*>(daten) + 1, qsizetype(groesse - 1));
    switch (daten[0] % 3) {
    case 0:
        if (const std::optional<QList<Enigma2Bouquet>> bouquets = LeseEnigma2Bouquets(json))
            for (const Enigma2Bouquet& b : *bouquets) {
                const QString datei = Enigma2Bouquetdatei(b.referenz);
                fuzz::Pruefe(!datei.contains(u'/') && datei != QLatin1String(".."), "Dateiname mit Ordner");
            }
        break;
    case 1:
        if (const std::optional<QByteArray> text = Enigma2Bouquettext(QStringLiteral("Favoriten"), json)) {
            const QByteArray ober = Enigma2Obertext(QStringLiteral("tv"), {QStringLiteral("userbouquet.a.tv")});
            const ImportFund fund = LeseBouquets(BouquetWahl::Beide, [&](const QString& name) {
                return Bouquetinhalt(name == QLatin1String("bouquets.tv")        ? std::optional(ober)
                                     : name == QLatin1String("userbouquet.a.tv") ? text
                                                                                 : std::nullopt);
            });
            // A bouquet may be empty: its group stays (fuzz_bouquets checks the reader itself).
            fuzz::PruefeZeilen(fund);
        }
        break;
    default:
        if (const std::optional<ImportFund> fund = LeseTvheadendKanaele(json)) {
            fuzz::PruefeFund(*fund);
            fuzz::PruefeZeilen(*fund);
        }
    }
    return 0;
}
