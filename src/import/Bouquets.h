#pragma once

#include "import/Importquelle.h"

// Bouquet sets of Linux satellite receivers: "bouquets.tv", "bouquets.radio", the
// sub-bouquet files they name, "lamedb" or "lamedb5" for the service names.
namespace senvio {

// True for a file of such a set by its content: a bouquet file ("#NAME" or
// "#SERVICE" lines) or a service database ("eDVB services /4/" or "/5/").
bool IstBouquetDatei(QByteArrayView anfang);

enum class BouquetWahl { Fernsehen, Radio, Beide };

// Which bouquets a chosen file stands for: "bouquets.radio" and radio sub-bouquets
// (".radio") mean the radio ones, "bouquets.tv" and TV sub-bouquets the TV ones,
// anything else of the set (lamedb, an unknown name) both.
BouquetWahl BouquetWahlDerDatei(const QString& dateiname);

// Every chosen sub-bouquet in "bouquets.tv" / "bouquets.radio" order (TV first), one
// group each, with one counter over all. Files are read through the access function;
// a missing sub-bouquet is skipped and named in the notes.
ImportFund LeseBouquets(BouquetWahl wahl, const BouquetDateizugriff& lies);

} // namespace senvio
