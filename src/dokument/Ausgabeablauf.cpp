#include "dokument/Ausgabeablauf.h"

#include "output/Ausgabelauf.h"

namespace senvio {

namespace {

Kartenauftrag AuftragFuer(Listendokument& dokument, Ausgabeart art, const Listenschrift& schrift, int eintragsBreite,
                          const QColor& grund) {
    return AuftragFuerListe(dokument.Liste(), dokument.Umgebung(), dokument.Ordner(), art, schrift, eintragsBreite,
                            grund);
}

} // namespace

QString GibAus(Listendokument& dokument, Ausgabeart art, const Listenschrift& schrift, int eintragsBreite,
               const QColor& grund, const std::function<void()>& vorDemPdf) {
    if (dokument.Liste().Anzahl() == 0)
        return {};
    const Kartenauftrag auftrag = AuftragFuer(dokument, art, schrift, eintragsBreite, grund);
    const Ausgabeziel ziel = ZielFuer(dokument.Ordner(), dokument.Name());
    return IstDruckmodus(art) ? Drucke(auftrag, ziel, vorDemPdf) : SpeichereBild(auftrag, ziel);
}

bool DruckeBlaetter(Listendokument& dokument, QPagedPaintDevice& drucker, const Blattwahl& wahl,
                    const Listenschrift& schrift, int eintragsBreite, const QColor& grund,
                    const std::function<bool(int, int)>& weiter) {
    return ZeichneBlaetter(drucker, AuftragFuer(dokument, wahl.art, schrift, eintragsBreite, grund), wahl, weiter);
}

void DruckeBlaetterInDatei(Listendokument& dokument, const QString& pdfDatei, const Blattwahl& wahl,
                           const Listenschrift& schrift, int eintragsBreite, const QColor& grund) {
    SchreibeBlattPdf(AuftragFuer(dokument, wahl.art, schrift, eintragsBreite, grund), wahl, pdfDatei);
}

} // namespace senvio
