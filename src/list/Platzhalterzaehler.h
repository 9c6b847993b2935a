#pragma once

#include <QStringList>

// Where the placeholder counter stands after a list was loaded. Drawing sets it again
// row by row; until then it picks the colour of the next placeholder.
namespace senvio {

// At start-up: the last line with a logo sets it to its placeholder number, to 0 when
// its path is no placeholder, and leaves it for "ohne logo" without a digit; 4 becomes 0.
int PlatzhalterzaehlerNachStart(const QStringList& zeilen, int zaehler);

// After opening a list: each line whose logo names no existing file and carries a
// placeholder number 1 to 4 sets it; everything else leaves it.
int PlatzhalterzaehlerNachOeffnen(const QStringList& zeilen, const QString& programmOrdner, int zaehler);

} // namespace senvio
