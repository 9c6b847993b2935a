#include "dokument/Ausgabeablauf.h"

#include "output/Ausgabelauf.h"
#include "output/Kartenbilder.h"

namespace senvio {

namespace {

// What a print draws: the list, or only the cards that changed since the last print. The
// lines keep their numbers, so each card comes out as it stands in the whole list.
class Drucklinien {
public:
    Drucklinien(Listendokument& dokument, bool nurGeaenderte)
        : m_dokument(dokument), m_zaehler(dokument.Umgebung().platzhalterzaehler) {
        const QList<int> karten = nurGeaenderte ? dokument.GeaenderteKarten() : QList<int>();
        m_teil = !karten.isEmpty();
        for (const int karte : karten)
            for (const QString& zeile : dokument.Liste().Zeilen().mid((karte - 1) * EintraegeJeKarte, EintraegeJeKarte))
                m_auswahl.HaengeAn(zeile);
    }
    // Drawing a part leaves the placeholder counter where the whole list leaves it.
    ~Drucklinien() {
        if (m_teil)
            m_dokument.Umgebung().platzhalterzaehler = m_zaehler;
    }
    Kartenauftrag Auftrag(Ausgabeart art, const Listenschrift& schrift, int eintragsBreite, const QColor& grund) {
        return AuftragFuerListe(m_teil ? m_auswahl : m_dokument.Liste(), m_dokument.Umgebung(), m_dokument.Ordner(),
                                art, schrift, eintragsBreite, grund);
    }
    // The cards are on paper now: none waits to be printed any more.
    void Gedruckt() { m_dokument.VergissGedrucktenStand(); }

private:
    Listendokument& m_dokument;
    int m_zaehler;
    bool m_teil = false;
    SenderListe m_auswahl;
};

} // namespace

QString GibAus(Listendokument& dokument, Ausgabeart art, const Listenschrift& schrift, int eintragsBreite,
               const QColor& grund, const std::function<void()>& vorDemPdf, bool nurGeaenderte) {
    if (dokument.Liste().Anzahl() == 0)
        return {};
    const Ausgabeziel ziel = ZielFuer(dokument.Ordner(), dokument.Name());
    if (!IstDruckmodus(art))
        return SpeichereBild(Drucklinien(dokument, false).Auftrag(art, schrift, eintragsBreite, grund), ziel);
    Drucklinien linien(dokument, nurGeaenderte);
    const QString pdf = Drucke(linien.Auftrag(art, schrift, eintragsBreite, grund), ziel, vorDemPdf);
    linien.Gedruckt();
    return pdf;
}

bool DruckeBlaetter(Listendokument& dokument, QPagedPaintDevice& drucker, const Blattwahl& wahl,
                    const Listenschrift& schrift, int eintragsBreite, const QColor& grund,
                    const std::function<bool(int, int)>& weiter, bool nurGeaenderte) {
    Drucklinien linien(dokument, nurGeaenderte);
    const bool ganz = ZeichneBlaetter(drucker, linien.Auftrag(wahl.art, schrift, eintragsBreite, grund), wahl, weiter);
    if (ganz)
        linien.Gedruckt();
    return ganz;
}

void DruckeBlaetterInDatei(Listendokument& dokument, const QString& pdfDatei, const Blattwahl& wahl,
                           const Listenschrift& schrift, int eintragsBreite, const QColor& grund, bool nurGeaenderte) {
    Drucklinien linien(dokument, nurGeaenderte);
    SchreibeBlattPdf(linien.Auftrag(wahl.art, schrift, eintragsBreite, grund), wahl, pdfDatei);
    linien.Gedruckt();
}

} // namespace senvio
