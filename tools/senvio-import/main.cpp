// senvio-import: makes a Senvio list of a receiver's channel list without the window,
// with the code of the menu command "Senderliste importieren...".
#include "Importaufruf.h"
#include "Importlauf.h"

#include "platform/QtTexte.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    // Nothing is drawn: no window system, no display needed.
    QCoreApplication anwendung(argc, argv);
    senvio::LadeQtTexteAufDeutsch(anwendung);

    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    const senvio::Importaufruf aufruf = senvio::LeseImportaufruf(anwendung.arguments().mid(1));
    if (aufruf.hilfe) {
        aus << senvio::Importanleitung();
        return 0;
    }
    if (!aufruf.fehler.isEmpty()) {
        fehler << "senvio-import: " << aufruf.fehler << "\n\n" << senvio::Importanleitung();
        return 2;
    }
    return senvio::Importiere(aufruf, aus, fehler);
}
