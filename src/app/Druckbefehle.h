#pragma once

#include "output/Ausgabeart.h"
#include "output/Blattdruck.h"

class QAction;

namespace senvio {

class Hauptfenster;
class Listendokument;

// The menu "Drucken" and "Drucken..." and "Druckvorschau..." of "Datei": the cards as a PDF
// beside the list, or straight to a printer of the system; after an update only the cards
// it changed, when the user leaves that ticked, until they are printed on paper.
class Druckbefehle {
public:
    Druckbefehle(Hauptfenster& fenster, Listendokument& dokument) : m_fenster(fenster), m_dokument(dokument) {}

    // The menu item "Nur geänderte Karten drucken", a tick the print commands read; unticked,
    // the changed cards no longer wait.
    void BindeNurGeaenderte(QAction& nurGeaenderte);

    void DruckeListe(Ausgabeart art);
    // "Drucken..." and "Druckvorschau...": straight to a printer of the system.
    void DruckeDirekt(bool vorschau);
    // "Nur geänderte Karten drucken" is offered while an update waits to be printed, ticked
    // when it comes; prints then hold only those cards.
    void ZeigeNurGeaenderte();

private:
    bool NurGeaenderte() const;

    Hauptfenster& m_fenster;
    Listendokument& m_dokument;
    QAction* m_nurGeaenderte = nullptr;
    // The direct print's choices, offered again the next time.
    Blattwahl m_blattwahl;
};

} // namespace senvio
