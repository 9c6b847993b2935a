#include "app/Fehlerbehandlung.h"

#include "platform/Dialoge.h"
#include "platform/Fehler.h"
#include "platform/QtTexte.h"

namespace senvio {

void ZeigeUnbehandeltenFehler(const std::exception& fehler) {
    const auto* eigener = dynamic_cast<const Fehler*>(&fehler);
    QString text = eigener ? eigener->meldung() : QString::fromUtf8(fehler.what());
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    Dialoge::Fehler(QApplication::activeWindow(), AnwendungsTitel, text);
}

void FuehreAus(const std::function<void()>& befehl) {
    try {
        befehl();
    } catch (const std::exception& fehler) {
        ZeigeUnbehandeltenFehler(fehler);
    }
}

SenvioAnwendung::SenvioAnwendung(int& argc, char** argv) : QApplication(argc, argv) {
    // No display name: on X11 Qt would append it to every window title.
    setApplicationName(AnwendungsTitel);
    LadeQtTexteAufDeutsch(*this);
}

bool SenvioAnwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    try {
        if (m_filter && m_filter(empfaenger, ereignis))
            return true;
        return QApplication::notify(empfaenger, ereignis);
    } catch (const std::exception& fehler) {
        ZeigeUnbehandeltenFehler(fehler);
        return true;
    }
}

} // namespace senvio
