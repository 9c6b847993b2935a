// senvio-import: makes a Senvio list of a receiver's channel list without the window,
// with the code of the menu command "Senderliste importieren...".
#include "Importaufruf.h"
#include "Importlauf.h"

#include "platform/QtTexte.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    // Nothing is drawn: no window system, no display needed.
    QCoreApplication anwendung(argc, argv);
    senvio::LadeQtTexteAufDeutsch(anwendung);

    return senvio::FuehreWerkzeugAus(QStringLiteral("senvio-import"),
                                     senvio::LeseImportaufruf(anwendung.arguments().mid(1)), senvio::Importanleitung(),
                                     senvio::FuehreImportAus);
}
