#pragma once

#include "import/Importquelle.h"

#include <QByteArray>
#include <QByteArrayView>

// LG webOS TV sets: "GlobalClone00001.TLL", XML (TLLDATA), from webOS 5 with the list as
// JSON inside the XML.
namespace senvio {

// True when the XML's root element is TLLDATA.
bool IstLgListe(QByteArrayView anfang);

ImportFund LeseLgListe(const QByteArray& bytes, const QString& datei);

} // namespace senvio
