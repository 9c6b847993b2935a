#pragma once

#include <QColor>
#include <QSize>

// The main window's list view as a program without widgets must know it: its colours,
// its standard size and the client width that follows from the rows it holds. The cards
// draw every entry as wide as the list shows it, so senvio-druck works the width out here.
namespace senvio {

// Whatever the desktop's theme: a white ground, and black text until the list font is
// given a colour of its own.
inline const QColor Listengrund = Qt::white;
inline const QColor Listentext = Qt::black;

// What the style gives a list view: its frame on each side, its vertical scroll bar's width.
struct Listenstil {
    int rahmen = 0;
    int leiste = 0;
};

// Qt's Fusion style, which the window gets on the offscreen platform and on a desktop
// without a style of its own: a frame of 1, a scroll bar of 14 at 96 dots per inch, scaled
// to the fonts' dots per inch and cut to whole pixels.
Listenstil FusionListenstil(int dpi);

// 478 wide and as high as whole rows fill 499 pixels inside the frame; with `mehr`, the
// room a larger window gives beyond its standard size, as whole rows fill that too.
QSize Standardgroesse(int rahmen, QSize mehr = QSize(0, 0));

// The client width of a list view of standard size holding `zeilen` rows: the frame off
// and, once the rows do not all fit, the scroll bar too.
int Listenbreite(int zeilen, const Listenstil& stil);

} // namespace senvio
