#pragma once

#include "import/Importquelle.h"

#include <QByteArray>
#include <QByteArrayView>

// Grundig TV sets: "dvbc_config.xml", "dvbs_config.xml", "dvbt_config.xml" (root CONFIG).
namespace senvio {

bool IstGrundigListe(QByteArrayView anfang);

ImportFund LeseGrundigListe(const QByteArray& bytes, const QString& datei);

} // namespace senvio
