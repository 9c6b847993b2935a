#pragma once

#include "import/Importquelle.h"

// Reference lists saved by channel editors for TV sets: ".txt" ("Nr;Name;ONID-TSID-SID")
// and ".chl" ("Nr;Name").
namespace senvio {

bool IstReferenzliste(QByteArrayView anfang);

// The entries in number order, in one group named after the file.
ImportFund LeseReferenzliste(const QByteArray& bytes, const QString& dateiname);

} // namespace senvio
