#pragma once

#include "import/Archiv.h"
#include "import/Importquelle.h"

// Toshiba TV sets: a zip with "chmgt_type001/chmgt.db" (the lists) and
// "dvb_type001/dvbSysData.db" (the satellites).
namespace senvio {

// True when the zip holds a member named "chmgt.db".
bool IstToshibaArchiv(const QList<Archivteil>& teile);

ImportFund LeseToshibaArchiv(const QList<Archivteil>& teile, const QString& datei);

} // namespace senvio
