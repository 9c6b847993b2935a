#pragma once

#include "dokument/Listendokument.h"
#include "output/Ausgabeart.h"
#include "view/Listenschrift.h"

#include <QColor>

#include <functional>

// The print and picture run over the open list, the same for the window and senvio-druck:
// beside the list's file, under its name, in the list's font, colour, ground and width.
namespace senvio {

// Writes the PDF (print modes; `vorDemPdf` runs just before it is written) or the picture
// and returns its path; empty for an empty list, which writes nothing.
QString GibAus(Listendokument& dokument, Ausgabeart art, const Listenschrift& schrift, int eintragsBreite,
               const QColor& grund, const std::function<void()>& vorDemPdf = {});

} // namespace senvio
