#pragma once

#include "output/Kartenrenderer.h"
#include "platform/Ordner.h"
#include "view/Listenschrift.h"

#include <QColor>
#include <QString>

#include <functional>

// A whole print or picture run over the list, as the menu commands and senvio-druck
// make it: empty the temporary folder, render every page, write the PDF or the picture
// beside the list file. Opening the result is the caller's.
namespace senvio {

struct Ausgabeziel {
    QString listenOrdner; // ends with "/"
    QString listenName;
};

// The renderer's order for the list as the list view shows it: in the list font and its
// colour on the view's ground, every entry as wide as the view's client width.
Kartenauftrag AuftragFuerListe(const SenderListe& liste, Eintragsumgebung& umgebung, const ProgrammOrdner& ordner,
                               Ausgabeart art, const Listenschrift& schrift, int eintragsBreite, const QColor& grund);

// Beside the list files, under the list's name. The print pages are placed as at 96 dots
// per inch on every screen, so the cards come out DIN A6.
Ausgabeziel ZielFuer(const ProgrammOrdner& ordner, const QString& listenName);

// The file a run writes: lists folder + list name + ".pdf", ".jpg" or ".png".
QString Ausgabedatei(const Ausgabeziel& ziel, Ausgabeart art);

// What a run writes at most, in bytes: the card and page pictures in the temporary folder
// (32 bits a pixel, a page of four cards two by two) and the PDF or the picture, counted
// as a quarter of its pages' pixels. A list of 6,000 entries needs about a gigabyte.
qint64 Platzbedarf(int eintraege, int eintragsBreite);

// The refusal of a run that needs more room than the lists folder's disk has free:
// "Für den Druck von N Seiten sind etwa X MB freier Platz nötig, frei sind Y MB."; empty
// when it fits.
QString Platzmangel(int seiten, qint64 bedarf, qint64 frei);

// Removes from the temporary folder the card and page pictures a run writes there, known by
// their names, and nothing else: no subfolder, no other file, nothing through a link. False
// when the folder is a link (to a folder elsewhere), which is left as it is.
bool LeereTempOrdner(const QString& tempOrdner);

// A print mode: renders every page and writes the PDF; `vorDemPdf` runs just before
// the PDF is written (the main window closes a viewer of the old file there).
// Returns the PDF's path. Both runs are refused (Fehler) before anything is drawn when
// the disk has not room enough (Platzmangel) or the temporary folder is a link; a run
// leaves no pictures in the temporary folder, whether it fails or the PDF is complete.
QString Drucke(Kartenauftrag auftrag, const Ausgabeziel& ziel, const std::function<void()>& vorDemPdf = {});

// A picture mode: all pages' cards stacked in one picture. Returns its path, or an
// empty text for an empty list, which writes nothing.
QString SpeichereBild(Kartenauftrag auftrag, const Ausgabeziel& ziel);

} // namespace senvio
