#pragma once

#include "import/Importquelle.h"

// M3U and M3U8 playlists: exported by cable routers and IPTV providers.
namespace senvio {

// True when the text starts (after a UTF-8 byte-order mark and blank lines) with
// "#EXTM3U" or "#EXTINF:".
bool IstWiedergabeliste(QByteArrayView anfang);

// The entries in file order. Groups come from "group-title" (several as "A;B"), else
// from "#EXTGRP:"; an entry with radio="true" goes into radio groups, which are apart
// from TV groups of the same name. Entries without a group belong to a group named
// after the file (its name without folder), a radio group when that name starts with
// "radio" or all those entries are radio.
ImportFund LeseWiedergabeliste(const QByteArray& bytes, const QString& dateiname);

} // namespace senvio
