#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace senvio {

// Gives a top-level window an outer size, the window manager's frame included. The frame
// is known only once the window is shown, and a window manager may draw it later or
// change it: whenever it changes, the client area changes by as much the other way, so
// the outer size stays. A fixed window keeps a fixed client area; a resizable one starts
// at the outer size and is the user's to resize afterwards. Once per window.
void SetzeAussengroesse(QWidget& fenster, QSize aussen, bool fest);

// Centres a dialog made without a parent over the window and ties it to that window for the
// window manager, so it opens above it and stays there, wherever the window was moved.
void StelleUeber(QWidget& dialog, QWidget& fenster);

// Where a window of that outer size stands centred on the primary screen's free area.
QPoint MitteDesSchirms(QSize aussen);

} // namespace senvio
