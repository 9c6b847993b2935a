#include "dokument/Dokumentdruck.h"

#include "output/Kartendateien.h"

namespace senvio {

QString GibAus(Listendokument& dokument, Ausgabeart art, const Listenschrift& schrift, int eintragsBreite,
               const QColor& grund, const std::function<void()>& vorDemPdf, bool nurGeaenderte) {
    if (dokument.Liste().Anzahl() == 0)
        return {};
    const Ausgabeziel ziel = ZielFuer(dokument.Ordner(), dokument.Name());
    const bool druck = IstDruckmodus(art);
    QString datei;
    dokument.ZeichneAusgabe(druck ? Ausgabezweck::Druck : Ausgabezweck::Bild, druck && nurGeaenderte,
                            [&](const SenderListe& linien, Eintragsumgebung& umgebung) {
                                StelleNamenBereit(umgebung, dokument.Liste().Zeilen(), schrift.schrift);
                                const Kartenauftrag auftrag = AuftragFuerListe(linien, umgebung, dokument.Ordner(), art,
                                                                               schrift, eintragsBreite, grund);
                                datei = druck ? Drucke(auftrag, ziel, vorDemPdf) : SpeichereBild(auftrag, ziel);
                                return true;
                            });
    return datei;
}

bool DruckeBlaetter(Listendokument& dokument, QPagedPaintDevice& drucker, const Blattwahl& wahl,
                    const Listenschrift& schrift, int eintragsBreite, const QColor& grund,
                    const std::function<bool(int, int)>& weiter, bool nurGeaenderte, bool vorschau) {
    return dokument.ZeichneAusgabe(vorschau ? Ausgabezweck::Vorschau : Ausgabezweck::Druck, nurGeaenderte,
                                   [&](const SenderListe& linien, Eintragsumgebung& umgebung) {
                                       StelleNamenBereit(umgebung, dokument.Liste().Zeilen(), schrift.schrift);
                                       return ZeichneBlaetter(drucker,
                                                              AuftragFuerListe(linien, umgebung, dokument.Ordner(),
                                                                               wahl.art, schrift, eintragsBreite,
                                                                               grund),
                                                              wahl, weiter);
                                   });
}

void DruckeBlaetterInDatei(Listendokument& dokument, const QString& pdfDatei, const Blattwahl& wahl,
                           const Listenschrift& schrift, int eintragsBreite, const QColor& grund, bool nurGeaenderte) {
    dokument.ZeichneAusgabe(Ausgabezweck::Druck, nurGeaenderte,
                            [&](const SenderListe& linien, Eintragsumgebung& umgebung) {
                                StelleNamenBereit(umgebung, dokument.Liste().Zeilen(), schrift.schrift);
                                SchreibeBlattPdf(AuftragFuerListe(linien, umgebung, dokument.Ordner(), wahl.art,
                                                                  schrift, eintragsBreite, grund),
                                                 wahl, pdfDatei);
                                return true;
                            });
}

} // namespace senvio
