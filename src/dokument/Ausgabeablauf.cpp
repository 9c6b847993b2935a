#include "dokument/Ausgabeablauf.h"

#include "output/Ausgabelauf.h"

namespace senvio {

QString GibAus(Listendokument& dokument, Ausgabeart art, const Listenschrift& schrift, int eintragsBreite,
               const QColor& grund, const std::function<void()>& vorDemPdf) {
    if (dokument.Liste().Anzahl() == 0)
        return {};
    const Kartenauftrag auftrag =
        AuftragFuerListe(dokument.Liste(), dokument.Umgebung(), dokument.Ordner(), art, schrift, eintragsBreite, grund);
    const Ausgabeziel ziel = ZielFuer(dokument.Ordner(), dokument.Name());
    return IstDruckmodus(art) ? Drucke(auftrag, ziel, vorDemPdf) : SpeichereBild(auftrag, ziel);
}

} // namespace senvio
