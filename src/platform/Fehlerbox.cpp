#include "platform/Fehlerbox.h"

#include "platform/Dialoge.h"
#include "platform/Fehler.h"

#include <QApplication>

namespace senvio {

void ZeigeUnbehandeltenFehler(const std::exception& fehler) {
    const auto* eigener = dynamic_cast<const Fehler*>(&fehler);
    // Another library's exception has an English text: the box says what it means instead.
    QString text = eigener ? eigener->meldung() : QString::fromStdString(MeldungDer(fehler));
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

} // namespace senvio
