#pragma once

#include "output/Kartenrenderer.h"

#include <QString>

#include <functional>

// A whole print or picture run over the list, as the menu commands and senvio-druck
// make it: empty the temporary folder, render every page, write the PDF or the picture
// beside the list file. Opening the result is the caller's.
namespace senvio {

struct Ausgabeziel {
    QString listenOrdner; // ends with "/"
    QString listenName;
    double dpiX = 96; // the screen's logical dots per inch, for placing the pages
    double dpiY = 96;
};

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
