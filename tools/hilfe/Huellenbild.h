#pragma once

namespace senvio {
class TmachPDF;
}

// A sketch of a DIN A4 sheet as one of the three print commands lays out its four cards:
// the cards numbered where they land, upside-down ones marked, and the lines to cut and
// to fold, with a small legend beside the sheet.
namespace senvio::hilfe {

enum class Huelle { ObenGeheftet, LinksGeheftet, Doppelhuellen };

// Height of the sketch in points.
constexpr int HuellenbildHoehe = 214;

// Draws the sketch with its top-left corner at (links, oben).
void ZeichneHuellenbild(TmachPDF& pdf, Huelle huelle, int links, int oben);

} // namespace senvio::hilfe
