#pragma once

#include "import/Importquelle.h"

#include <functional>

// Importing a receiver's channel list: the chosen files (or a bouquet folder) read by
// the reader their content calls for, and the names the list gets of what was found.
namespace senvio {

// Larger files are refused: no channel list of a receiver comes near this.
inline constexpr qint64 GroessteImportdatei = qint64(256) << 20;

// Told the bytes read so far and the bytes of all chosen files together.
using Importfortschritt = std::function<void(qint64 gelesen, qint64 gesamt)>;

// Reads every chosen file or folder, in the order given, and puts their finds one after
// the other (the group indexes of later files moved up accordingly). The format is taken
// from the content: a file of a bouquet set (its siblings are read from its folder; a
// folder stands for the whole set), an M3U playlist, a recorder channel file, a
// reference list. Throws Fehler with a German message for a file that cannot be read
// (DateiFehler), is too large, has an unknown format or holds no channel.
ImportFund LeseImportquellen(const QStringList& pfade, const Importfortschritt& fortschritt = {});

// Reads the files of a bouquet set in this folder by bare name: the name as it stands
// first, else a file whose name differs only in letter case. Names with a folder in
// them, and files over the size limit, are not read.
BouquetDateizugriff BouquetDateienIn(const QString& ordner);

// The list entries' names for the chosen groups (one flag per group of the find): every
// channel with a chosen group, in the receiver's order. A placeholder becomes "(frei)",
// a channel without name "(ohne Name)". To keep the receiver's numbers, the numbers it
// leaves free are filled with "(frei)" as well: where two channels taken one after the
// other both carry the receiver's number and the second lies 2 to 1000 above the first,
// the numbers between. With `doppelteWeglassen` the second and later copies of a station
// (see DoppelteSender) are left out; with the receiver's numbers kept, the number of such
// a copy is filled with "(frei)" as a free one before the next channel taken.
QStringList ImportNamen(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, bool nummernBehalten = true,
                        bool doppelteWeglassen = false);

// The logo keys of each name ImportNamen gives, index for index: the channel's
// logoSchluessel, empty for the "(frei)" entries that fill the receiver's gaps.
QList<QStringList> ImportLogoSchluessel(const ImportFund& fund, const QList<bool>& gruppeGewaehlt,
                                        bool nummernBehalten = true, bool doppelteWeglassen = false);

// How many channels the choice takes, and how many "(frei)" entries fill the numbers
// the receiver leaves free between them when its numbers are kept.
qsizetype GewaehlteSender(const ImportFund& fund, const QList<bool>& gruppeGewaehlt);
qint64 FreieNummern(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, bool doppelteWeglassen = false);

// How many of the chosen channels are a second or later copy of a station: an earlier
// chosen channel has the same Senderschluessel of the name or the same reference within
// the source. Placeholders and channels without name are never copies.
qsizetype DoppelteSender(const ImportFund& fund, const QList<bool>& gruppeGewaehlt);

} // namespace senvio
