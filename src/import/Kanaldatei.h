#pragma once

#include "import/Importquelle.h"

// Channel files of Linux video recorders ("channels.conf").
namespace senvio {

bool IstKanaldatei(QByteArrayView anfang);

// Channels in file order; a line ":text" starts a group, ":@n text" also sets the
// receiver's next number. Channels before the first group belong to a group named
// after the file.
ImportFund LeseKanaldatei(const QByteArray& bytes, const QString& dateiname);

} // namespace senvio
