#pragma once

#include <QPoint>
#include <QString>

// Where the 96 × 96 logo tiles stand in the grid's scroll box: 12 pixels margin and
// gap, so a pitch of 108 in both directions.
namespace senvio {

constexpr int KachelGroesse = 96;
constexpr int KachelRand = 12;
constexpr int KachelAbstand = KachelGroesse + KachelRand;

// Columns for a client width: (width − 12) div 106, at least 1, at most the tile count.
int KachelSpalten(int clientBreite, int anzahl);

// Tile i's top-left corner, tiles laid out row by row.
QPoint KachelPosition(int index, int spalten);

// A tile position as the search reads it, e.g. "120x228".
QString PositionsText(QPoint position);

// The grid's scroll range: (n div (outer width div 96) + 1) · 108.
int KachelScrollBereich(int anzahl, int aussenBreite);

} // namespace senvio
