#pragma once

#include "output/Kartenrenderer.h"
#include "platform/Ordner.h"

#include <QString>

#include <functional>

// A whole print or picture run over the list, as the menu commands and senvio-druck
// make it: empty the temporary folder, render every page, write the PDF or the picture
// beside the list file. Opening the result is the caller's.
namespace senvio {

class ListenAnsicht;

struct Ausgabeziel {
    QString listenOrdner; // ends with "/"
    QString listenName;
};

// The renderer's order for the list as the view shows it: the view's font, colours and
// client width. Clears the view's selection, so that no entry is drawn highlighted and
// none is selected after the run.
Kartenauftrag AuftragFuerAnsicht(ListenAnsicht& ansicht, const SenderListe& liste, Eintragsumgebung& umgebung,
                                 const ProgrammOrdner& ordner, Ausgabeart art);

// Beside the list files, under the list's name. The print pages are placed as at 96 dots
// per inch on every screen, so the cards come out DIN A6.
Ausgabeziel ZielFuer(const ProgrammOrdner& ordner, const QString& listenName);

// The file a run writes: lists folder + list name + ".pdf", ".jpg" or ".png".
QString Ausgabedatei(const Ausgabeziel& ziel, Ausgabeart art);

// A print mode: renders every page and writes the PDF; `vorDemPdf` runs just before
// the PDF is written (the main window closes a viewer of the old file there).
// Returns the PDF's path. `pdfNs`, when given, receives the time spent writing it.
QString Drucke(Kartenauftrag auftrag, const Ausgabeziel& ziel, const std::function<void()>& vorDemPdf = {},
               qint64* pdfNs = nullptr);

// A picture mode: all pages' cards stacked in one picture. Returns its path, or an
// empty text for an empty list, which writes nothing.
QString SpeichereBild(Kartenauftrag auftrag, const Ausgabeziel& ziel);

} // namespace senvio
