#pragma once

#include "import/Importquelle.h"
#include "import/Sqlitebild.h"

// Hisense and Loewe TV sets: "channel.db" (tables svl_N, tsl_N) and "servicelist.db"
// (FavoriteList/FavoriteItem or ServiceList/ServiceItem), SQLite.
namespace senvio {

bool IstHisenseDatenbank(const Sqlitebild& db);

ImportFund LeseHisenseDatenbank(const Sqlitebild& db);

} // namespace senvio
