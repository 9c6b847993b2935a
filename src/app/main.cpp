#include "app/Fehlerbehandlung.h"
#include "app/Programm.h"
#include "platform/Endesignale.h"

#include <cstdio>

int main(int argc, char** argv) {
    senvio::SenvioAnwendung anwendung(argc, argv);
    // Ties the window to the desktop entry (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("de.senvio.Senvio"));
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    const senvio::Startwahl start = senvio::WaehleProgrammordner(anwendung.arguments().mid(1), aus, fehler);
    if (!start.ordner)
        return start.ende;
    senvio::Programm programm(*start.ordner);
    if (programm.Endet())
        return 0;
    // A signal to end (shutdown, logout, Ctrl+C) saves as "Beenden" does, without asking.
    senvio::Endesignale signale;
    QObject::connect(&signale, &senvio::Endesignale::Empfangen, &anwendung, [&programm] {
        programm.Beende(true);
        QCoreApplication::quit();
    });
    programm.Haupt().show();
    const int ergebnis = anwendung.exec();
    programm.Beende();
    return ergebnis;
}
