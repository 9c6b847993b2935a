#pragma once

#include "app/Filterziel.h"
#include "app/Nebenfenster.h"
#include "platform/Radrasten.h"

class QEvent;
class QObject;
class QWidget;

namespace senvio {

// Sees every event for the program's own windows before it is delivered: the mouse
// wheel moves the list's selection like the arrow keys, one row per notch, and with
// Ctrl the selected entry like Ctrl+Up and Ctrl+Down (over the shown logo grid it
// scrolls the grid), keys to the main window scroll the logo grid while it is shown
// (and go nowhere else), and F1 opens the help.
class NachrichtenFilter {
public:
    explicit NachrichtenFilter(const Nebenfenster& fenster);
    // The main window, handed over before the filter is installed.
    void Bediene(Filterziel& haupt) { m_haupt = &haupt; }
    // True when the event is dropped.
    bool Pruefe(QObject* empfaenger, QEvent* ereignis);

private:
    // The six windows of the program; the desktop's dialogs are not among them.
    bool IstEigenesFenster(const QWidget* fenster) const;
    bool Mausrad(QObject* empfaenger, QEvent* ereignis);
    bool Taste(QEvent* ereignis, const QWidget* fenster);

    Nebenfenster m_fenster;
    Filterziel* m_haupt = nullptr;
    Radrasten m_listenRad;
};

} // namespace senvio
