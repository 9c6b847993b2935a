#pragma once

#include "import/Importquelle.h"

// Reference lists saved by channel editors for TV sets: ".txt" ("Nr;Name;ONID-TSID-SID")
// and ".chl" ("Nr;Name").
namespace senvio {

// True when most lines of the start begin with digits followed by ";".
bool IstReferenzliste(QByteArrayView anfang);

// The entries in number order (file order among equal numbers), in one TV group named
// after the file. Lines without a positive number before the first ";" are skipped.
ImportFund LeseReferenzliste(const QByteArray& bytes, const QString& dateiname);

} // namespace senvio
