#pragma once

namespace senvio {
class TmachPDF;
}

// A sketch of a large-print card and its back side "So geht's", scaled down: the header
// with the list's name and its numbers, rows of numbers right-aligned, names in bold (one
// on two lines) and their logos, and beside it the back with its key labels.
namespace senvio::hilfe {

// Height of the sketch in points.
constexpr int GrossdruckbildHoehe = 170;

// Draws the sketch with its top-left corner at (links, oben).
void ZeichneGrossdruckbild(TmachPDF& pdf, int links, int oben);

} // namespace senvio::hilfe
