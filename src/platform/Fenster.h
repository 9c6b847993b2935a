#pragma once

#include <QString>

#include <cstdint>

// The desktop's top-level windows. On X11 (Qt platform "xcb") they are read from the
// window manager's stacking list, topmost first; on every other platform none is found.
namespace senvio {

using Fensterkennung = std::uint32_t; // 0: no window

// The first top-level window, topmost first, whose title starts with the search text,
// compared without regard to case; it is brought to the foreground (restored when
// minimised). 0 when there is none.
Fensterkennung findfenster(const QString& suchtext);

// Asks the window to close, as its close button would; does not wait.
void SchliesseFenster(Fensterkennung fenster);

} // namespace senvio
