#pragma once

#include "import/Importquelle.h"

// Bouquet sets of Linux satellite receivers: "bouquets.tv", "bouquets.radio", the
// sub-bouquet files they name, "lamedb" or "lamedb5" for the service names.
namespace senvio {

// True for a file of such a set by its content: its first non-empty line is a
// "#NAME" or "#SERVICE" line (a bouquet file), or it starts with "eDVB services /4/"
// or "/5/" (a service database).
bool IstBouquetDatei(QByteArrayView anfang);

enum class BouquetWahl { Fernsehen, Radio, Beide };

// True for a file of a set that stands for one bouquet ("userbouquet.favourites.tv"),
// false for one that stands for the whole set: "bouquets.tv", "bouquets.radio",
// "lamedb", "lamedb5" (any letter case).
bool IstEinzelnesBouquet(const QString& dateiname);

// Which bouquets a chosen file stands for: "bouquets.radio" and radio sub-bouquets
// (".radio") mean the radio ones, "bouquets.tv" and TV sub-bouquets (".tv") the TV
// ones, anything else of the set (lamedb, an unknown name) both. A folder in front of
// the name does not count.
BouquetWahl BouquetWahlDerDatei(const QString& dateiname);

// Every chosen sub-bouquet in "bouquets.tv" / "bouquets.radio" order (TV first), one
// group each, named by its "#NAME" or else its file name; sub-bouquets nested in one
// count to its group. Files are read through the access function, each at most once.
// A missing sub-bouquet, or a missing "bouquets.tv" / "bouquets.radio", is skipped
// and named in the notes; so is a sub-bouquet named twice or nested too deep.
//
// Service references are `type:flags:stype:SID:TSID:ONID:NS:0:0:0:[path]:[name]`,
// type and flags decimal, the rest hex. A marker (flags 64) is no channel; a marker
// that takes a number (flags 256 as well, such as the invisible 832) is a placeholder.
// A channel's name is its "#DESCRIPTION" up to "•", else the name field of its
// reference (percent-decoded), else for alternatives (flags 128) the "#NAME" of their
// file and for a broadcast service its name in "lamedb", or in "lamedb5" when
// "lamedb" holds no services; empty when none is found. `nummer` is the number the
// receiver shows: channels and numbered markers counted by their place, TV and radio
// each from 1, every bouquet before counted in "bouquets.tv" / "bouquets.radio" order
// whether it is chosen or not; `nummerImBouquet` the same counted from each bouquet's
// start. Each group names its file and counts on its own (eigeneZaehlung).
ImportFund LeseBouquets(BouquetWahl wahl, const BouquetDateizugriff& lies);

} // namespace senvio
