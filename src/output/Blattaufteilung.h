#pragma once

#include "output/Ausgabeart.h"

#include <QColor>

#include <array>

// The layout of a print mode's sheet: which card sits where, which is turned, and which cut
// line has which colour. The page pictures and the direct print both read this one table.
namespace senvio {

// A card is DIN A6: on a printed sheet the cut lines stand this far from its top-left corner.
constexpr double KarteBreiteMm = 105;
constexpr double KarteHoeheMm = 148;

// A card's place: column and row of the 2 × 2 grid, and whether it stands upside down.
struct Kartenplatz {
    int spalte = 0;
    int zeile = 0;
    bool gedreht = false;
    bool operator==(const Kartenplatz&) const = default;
};

struct Blattaufteilung {
    std::array<Kartenplatz, 4> voll; // cards 1 to 4 of a sheet with four cards
    std::array<Kartenplatz, 4> teil; // with fewer cards
    QColor waagrecht;                // the cut line between the rows
    QColor senkrecht;                // the cut line between the columns
    // The page picture has its lower row, and the gap above it, from this many cards on.
    int untereReiheAb = 0;
};

// The table of a print mode; nullptr for the picture modes, which stack their cards.
const Blattaufteilung* AufteilungFuer(Ausgabeart art);

// Where card place k (1–4) of a sheet lies; `hoechster` is the highest place the sheet uses.
Kartenplatz PlatzDerKarte(Ausgabeart art, int platz, int hoechster);

namespace testnaht {
// The table itself, so that a test can change an entry and see every reader follow.
Blattaufteilung& AufteilungZumAendern(Ausgabeart art);
} // namespace testnaht

} // namespace senvio
