#pragma once

#include "Schriftmasse.h"

#include <string>
#include <string_view>
#include <vector>

namespace senvio::hilfe {

// Breaks Windows-1252 text into lines no wider than `breite` points: words are
// separated by blanks and kept whole where they fit; a word wider than a whole line is
// cut between characters. Runs of blanks count as one; an empty text gives no line.
std::vector<std::string> BrichUm(std::string_view text, Schrift schrift, double groesse, double breite);

} // namespace senvio::hilfe
