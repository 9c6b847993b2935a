#pragma once

#include "output/Ausgabeart.h"

#include <QImage>

#include <array>
#include <vector>

// Composing cards and page pictures from bitmaps: pixels only, no files, no list.
// Every area that nothing is drawn on is white. An empty bitmap is a null QImage
// (0 × 0); the pictures made here are QImage::Format_RGB32.
namespace senvio {

constexpr int EintraegeJeKarte = 15;
constexpr int KartenJeSeite = 4;
constexpr int EintraegeJeSeite = EintraegeJeKarte * KartenJeSeite;
constexpr int KartenBreite = 478; // at least
constexpr int KartenHoehe = 634;  // exactly
constexpr int Kartenabstand = 10;
// The one-pixel column and row of the page pictures' cut lines: through the middle of the
// gaps of a full page.
constexpr int SchnittX = 483;
constexpr int SchnittY = 638;

// The number of cards K that every page of a list of n entries gets: 4 from 60
// entries on, 3 for exactly 45, otherwise n / 15 + 1.
int AnzahlKarten(int n);
// ⌈n / 60⌉; 0 for an empty list.
int AnzahlSeiten(int n);

// The entry bitmaps stacked from the top at x = 0, the card then widened to at least
// 478 and cut or filled to exactly 634 rows. Width = the first bitmap's width.
QImage SetzeKarteZusammen(const std::vector<QImage>& eintraege);

// Turns the picture by 90° clockwise in place.
void DreheRechts(QImage& bild);

// The page picture of the mode from cards C1 to C4 (null for an absent card), with
// the dotted cut lines in the print modes.
QImage SetzeSeiteZusammen(Ausgabeart art, const std::array<QImage, KartenJeSeite>& karten);

} // namespace senvio
