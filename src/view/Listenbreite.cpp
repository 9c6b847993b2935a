#include "view/Listenbreite.h"

#include "view/Eintrag.h"

#include <algorithm>

namespace senvio {

namespace {

constexpr int Breite = 478;
constexpr int Entwurfshoehe = 499; // of the design; the view keeps whole rows of it

int SichtbareZeilen(int rahmen) {
    return (Entwurfshoehe - 2 * rahmen) / ZeilenHoehe;
}

} // namespace

Listenstil FusionListenstil(int dpi) {
    // The frame is one pixel at any resolution; the scroll bar is scaled and truncated.
    return {1, int(14.0 * dpi / 96.0)};
}

QSize Standardgroesse(int rahmen, QSize mehr) {
    const int zeilen = std::max(1, (Entwurfshoehe + mehr.height() - 2 * rahmen) / ZeilenHoehe);
    return {Breite + mehr.width(), zeilen * ZeilenHoehe + 2 * rahmen};
}

int Listenbreite(int zeilen, const Listenstil& stil) {
    const bool mitLeiste = zeilen > SichtbareZeilen(stil.rahmen);
    return Breite - 2 * stil.rahmen - (mitLeiste ? stil.leiste : 0);
}

} // namespace senvio
