#pragma once

#include "import/Importquelle.h"

// M3U and M3U8 playlists: exported by cable routers and IPTV providers.
namespace senvio {

// True when the text starts (after a UTF-8 byte-order mark and blank lines) with
// "#EXTM3U" or "#EXTINF:".
bool IstWiedergabeliste(QByteArrayView anfang);

// The entries in file order. Groups come from "group-title"; entries without one
// belong to a group named after the file (its name without folder).
ImportFund LeseWiedergabeliste(const QByteArray& bytes, const QString& dateiname);

} // namespace senvio
