#pragma once

#include <Qt>

namespace senvio {

class TMachPause;

// A synthetic click at a screen point: the pointer moves there, the widget under it
// gets a press and a release of each button (left, right, middle in this order), and
// after a pause of 100 ms the pointer goes back to where it was.
void KlickeMaus(int x, int y, Qt::MouseButtons tasten, TMachPause& pause);

} // namespace senvio
