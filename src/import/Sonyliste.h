#pragma once

#include "import/Importquelle.h"

#include <QByteArray>
#include <QByteArrayView>

// Sony TV sets: "sdb.xml" (SdbRoot with column arrays, several lists in one file; or
// service_list_transfer of newer sets).
namespace senvio {

bool IstSonyListe(QByteArrayView anfang);

ImportFund LeseSonyListe(const QByteArray& bytes, const QString& datei);

} // namespace senvio
