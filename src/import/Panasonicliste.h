#pragma once

#include "import/Importquelle.h"

#include <QByteArray>
#include <QByteArrayView>

// Panasonic TV sets: "svl.db" (a scrambled SQLite file) and "svl.bin" (the same behind
// a header).
namespace senvio {

// True for the start of a scrambled svl.db (50 CB 7D A0) or of svl.bin ("PSDB").
bool IstPanasonicListe(QByteArrayView anfang);

ImportFund LesePanasonicListe(const QByteArray& bytes, const QString& datei);

} // namespace senvio
