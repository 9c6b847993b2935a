#pragma once

#include "dokument/Listendokument.h"
#include "output/Ausgabeart.h"
#include "output/Blattdruck.h"
#include "view/Listenschrift.h"

#include <QColor>

#include <functional>

// The print and picture run over the open list, the same for the window and senvio-druck:
// beside the list's file, under its name, in the list's font, colour, ground and width.
namespace senvio {

// Writes the PDF (print modes; `vorDemPdf` runs just before it is written) or the picture
// and returns its path; empty for an empty list, which writes nothing. With `nurGeaenderte`
// a print holds only the cards an update changed since the last print (all when none
// waits). The PDF is a print into a file: the changed cards still wait afterwards.
QString GibAus(Listendokument& dokument, Ausgabeart art, const Listenschrift& schrift, int eintragsBreite,
               const QColor& grund, const std::function<void()>& vorDemPdf = {}, bool nurGeaenderte = false);

// A direct print's PDF file may replace a PDF (or an empty file), never anything else: not
// the list itself, not the settings, no other file, and nothing that is not a plain file or a
// link to one (a folder, a FIFO, a device). Throws Fehler with the reason.
void PruefeDruckdatei(const Listendokument& dokument, const QString& pdfDatei);

// Direct printing of the open list, drawn onto a printer the caller has set to A4 in full
// page, or into a PDF file (written atomically). `weiter(blatt, blaetter)` is asked before
// each sheet; false ends the print, and DruckeBlaetter returns false. Only a print on
// paper (`zweck` Druck) ends the waiting of the changed cards; one into a file (Druckdatei,
// as DruckeBlaetterInDatei always is) and a preview keep it.
// DruckeBlaetterInDatei checks the file first (PruefeDruckdatei) and removes the temporary
// files of runs killed a minute ago or more beside it.
bool DruckeBlaetter(Listendokument& dokument, QPagedPaintDevice& drucker, const Blattwahl& wahl,
                    const Listenschrift& schrift, int eintragsBreite, const QColor& grund,
                    const std::function<bool(int, int)>& weiter = {}, bool nurGeaenderte = false,
                    Ausgabezweck zweck = Ausgabezweck::Druck);
void DruckeBlaetterInDatei(Listendokument& dokument, const QString& pdfDatei, const Blattwahl& wahl,
                           const Listenschrift& schrift, int eintragsBreite, const QColor& grund,
                           bool nurGeaenderte = false);

} // namespace senvio
