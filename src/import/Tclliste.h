#pragma once

#include "import/Archiv.h"
#include "import/Importquelle.h"

// TCL and Thomson TV sets: a tar with "DtvData.db" (and "satellite.db") below "database/".
namespace senvio {

// True when the tar holds a member named "DtvData.db".
bool IstTclArchiv(const QList<Archivteil>& teile);

ImportFund LeseTclArchiv(const QList<Archivteil>& teile, const QString& datei);

} // namespace senvio
