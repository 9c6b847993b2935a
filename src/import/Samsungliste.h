#pragma once

#include "import/Archiv.h"
#include "import/Importquelle.h"

// Samsung TV sets from 2015 on: "Channel_list_MODELL.zip", a zip of SQLite databases without
// extension (one per reception, tables SRV, SRV_DVB, CHNL, SRV_FAV; names UTF-16BE in a text
// column), "sat" with the satellites, "ipsrv" with the IP channels.
namespace senvio {

// True when a member of the zip is a database with the tables SRV and CHNL.
bool IstSamsungArchiv(const QList<Archivteil>& teile);

// The lists of the TV; throws Fehler with a German message naming `datei` when a
// database is damaged or lacks the needed columns.
ImportFund LeseSamsungArchiv(const QList<Archivteil>& teile, const QString& datei);

} // namespace senvio
