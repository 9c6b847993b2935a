#pragma once

#include <QString>

#include <functional>

class QProcess;

namespace senvio {

// How long the opener has to fail before it counts as having shown the file: xdg-open ends
// at once when nothing can open the file, but may wait for the viewer it started.
inline constexpr int OeffnerFristMs = 5000;

// Starts the desktop's opener (`programm` with the path as its one argument) without waiting
// for it. When it cannot start, or ends with an exit code other than 0 within the time
// above, `gescheitert` runs from the event loop; a later end counts as success. The process
// is not ended with the program: a viewer it started stays open. Returns the process, which
// deletes itself when it has ended.
QProcess* StarteOeffner(const QString& programm, const QString& pfad, std::function<void()> gescheitert);

} // namespace senvio
