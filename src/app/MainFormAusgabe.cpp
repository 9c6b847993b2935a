// Printing the list as sleeve cards and saving it as one picture.
#include "app/MainForm.h"

#include "app/Sanduhr.h"
#include "output/Ausgabelauf.h"
#include "platform/Dialoge.h"
#include "platform/Fenster.h"
#include "view/ListenAnsicht.h"

namespace senvio {

void TMainForm::FuerEinfachhuelleObenGeheftetClick() {
    DruckeListe(Ausgabeart::ObenGeheftet);
}

void TMainForm::FuerEinfachhuelleLinksGeheftetClick() {
    DruckeListe(Ausgabeart::LinksGeheftet);
}

void TMainForm::fuerDoppelhuellenClick() {
    DruckeListe(Ausgabeart::Doppelhuellen);
}

void TMainForm::JpegDatei1Click() {
    SpeichereListeAlsBild(Ausgabeart::BildJpeg);
}

void TMainForm::PNGDatei1Click() {
    SpeichereListeAlsBild(Ausgabeart::BildPng);
}

void TMainForm::DruckeListe(Ausgabeart art) {
    QString pdf;
    {
        Sanduhr sanduhr;
        const Kartenauftrag auftrag = AuftragFuerAnsicht(*Listbox1, m_liste, m_umgebung, m_ordner, art);
        // A viewer still showing the old PDF is asked to close before the file is replaced.
        const QString viewertitel = m_listenName + QStringLiteral(".pdf - Adobe Reader");
        pdf = Drucke(auftrag, ZielFuer(m_ordner, m_listenName), [&viewertitel] {
            if (const Fensterkennung fenster = findfenster(viewertitel))
                SchliesseFenster(fenster);
        });
    }
    Dialoge::OeffneDokument(pdf);
}

void TMainForm::SpeichereListeAlsBild(Ausgabeart art) {
    QString bild;
    {
        Sanduhr sanduhr;
        bild = SpeichereBild(AuftragFuerAnsicht(*Listbox1, m_liste, m_umgebung, m_ordner, art),
                             ZielFuer(m_ordner, m_listenName));
    }
    if (bild.isEmpty()) {
        Dialoge::Information(this, QStringLiteral("Die Liste ist leer. Es wurde kein Bild gespeichert."));
        return;
    }
    Dialoge::OeffneDokument(bild);
}

} // namespace senvio
