#pragma once

#include <QtGlobal>

#include <optional>

// Moving an entry one place with Ctrl+Up and Ctrl+Down.
namespace senvio {

// The index the entry at "aktuell" moves to, or nothing: no entry, the first one
// upwards, the last one downwards.
std::optional<int> TastenZiel(int aktuell, qsizetype anzahl, bool nachOben);

} // namespace senvio
