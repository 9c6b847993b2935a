#pragma once

#include "Huellenbild.h"

#include <string>
#include <string_view>
#include <vector>

// The help text's source: UTF-8 lines in a small markup.
//
//   # Titel             the document's title
//   ## Abschnitt        a section heading
//   ### Unterabschnitt  a sub-heading
//   - Punkt             a bullet
//   | Befehl            a line of a command, in a typewriter font, as it stands
//   [Bild oben]         the sketch of a sleeve layout: oben, links or doppel
//   [Bild grossdruck]   the sketch of a large-print card and its back side
//   [Seitenumbruch]     the next block starts on a new page
//   % Bemerkung         a comment, left out
//
// Any other line is text: it continues the paragraph or bullet right above it, or starts
// a paragraph; an empty line ends both.
namespace senvio::hilfe {

enum class Blockart {
    Titel,
    Abschnitt,
    Unterabschnitt,
    Absatz,
    Punkt,
    Befehlszeile,
    Huellenbild,
    Grossdruckbild,
    Seitenumbruch
};

struct Block {
    Blockart art;
    std::string text; // Windows-1252
    Huelle huelle = Huelle::ObenGeheftet;
};

// Throws HilfeFehler, naming the line, for unknown instructions and characters that
// Windows-1252 lacks.
std::vector<Block> LeseHilfequelle(std::string_view utf8);

} // namespace senvio::hilfe
