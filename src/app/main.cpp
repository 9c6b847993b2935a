#include "app/Fehlerbehandlung.h"
#include "app/Programm.h"

int main(int argc, char** argv) {
    senvio::SenvioAnwendung anwendung(argc, argv);
    senvio::Programm programm(senvio::ProgrammOrdner::AusArbeitsverzeichnis());
    if (programm.Endet())
        return 0;
    programm.Haupt().show();
    const int ergebnis = anwendung.exec();
    programm.Beende();
    return ergebnis;
}
