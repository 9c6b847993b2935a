#pragma once

#include "import/Importquelle.h"

#include <QByteArray>
#include <QByteArrayView>

// Sharp, Dyon, Blaupunkt and related TV sets: "DVBS_Program*.csv", "DVBS_CHANNEL_TABLE.csv".
namespace senvio {

// True when the first line is "--------DVBS Program Data!--------" or the like.
bool IstSharpListe(QByteArrayView anfang);

ImportFund LeseSharpListe(const QByteArray& bytes, const QString& datei);

} // namespace senvio
