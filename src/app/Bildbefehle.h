#pragma once

#include "output/Ausgabeart.h"

#include <QString>

#include <functional>

namespace senvio {

class Hauptfenster;
class Listenansicht;
class Listendokument;

// The cards look as the list shows: its font, colours and client width. The selection
// goes first, so that no entry is drawn highlighted and none is selected after the run.
QString GibAusWieAngezeigt(Listenansicht& ansicht, Listendokument& dokument, Ausgabeart art,
                           const std::function<void()>& vorDemPdf = {}, bool nurGeaenderte = false);

// After a print or picture run: the file written on the status line and on the desktop,
// or `leer` in a box when the list was empty and nothing was written.
void ZeigeAusgabe(Hauptfenster& fenster, const QString& datei, const QString& leer);

// The menu "Liste speichern als Bild": the whole list as one JPEG or PNG picture.
class Bildbefehle {
public:
    Bildbefehle(Hauptfenster& fenster, Listendokument& dokument) : m_fenster(fenster), m_dokument(dokument) {}

    void SpeichereListeAlsBild(Ausgabeart art);

private:
    Hauptfenster& m_fenster;
    Listendokument& m_dokument;
};

} // namespace senvio
