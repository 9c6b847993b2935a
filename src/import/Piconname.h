#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The names receivers' logo collections ("picons") give a service's logo, derived from
// what an import file says of the service, and the logo name a playlist gives.
namespace senvio {

// From a bouquet's service reference ("1:0:19:283D:3FB:1:C00000:0:0:0:"): the first ten
// fields joined by "_" in upper-case hex ("1_0_19_283D_3FB_1_C00000_0_0_0"), then the same
// with the low 16 bits of the namespace set to 0000, then also with the service type set
// to 1 unless it is 2; each name once. Empty for a reference of fewer than ten fields
// or with a field among them that is not hex.
QStringList PiconNamen(QStringView dienstreferenz);

// The same names for a channel of a recorder's channel file: source ("S19.2E", "C", "T"),
// service, network and transponder id (decimal) and the video PID field ("5101=27").
QStringList PiconNamenDesKanals(QStringView quelle, QStringView sid, QStringView nid, QStringView tid,
                                QStringView vpid);

// The base name of a playlist's "tvg-logo": without folder, query and extension, an
// address's %-escapes decoded ("http://x/logos/Das%20Erste.png?v=2" → "Das Erste"). Empty
// when nothing is left.
QString LogoBasisname(QStringView tvgLogo);

} // namespace senvio
