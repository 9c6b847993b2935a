#include "app/Fehlerbehandlung.h"

#include "platform/QtTexte.h"

namespace senvio {

SenvioAnwendung::SenvioAnwendung(int& argc, char** argv) : QApplication(argc, argv) {
    // No display name: on X11 Qt would append it to every window title.
    setApplicationName(AnwendungsTitel);
    LadeQtTexteAufDeutsch(*this);
}

bool SenvioAnwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    try {
        if (s_filter && s_filter(empfaenger, ereignis))
            return true;
        return QApplication::notify(empfaenger, ereignis);
    } catch (const std::exception& fehler) {
        ZeigeUnbehandeltenFehler(fehler);
        return true;
    }
}

} // namespace senvio
