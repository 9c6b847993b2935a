// senvio-druck: prints Senvio lists without the window, with the code of the menu
// commands, and prints the path of every file it wrote.
#include "Druckaufruf.h"
#include "Stapeldruck.h"

#include "basis/Zwischendateien.h"
#include "platform/QtTexte.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // A print stopped by SIGTERM or Ctrl+C takes its temporary files along.
    senvio::RaeumeBeimEndeAuf();
    // Fonts and the screen's resolution need a window system; the offscreen one needs no
    // display, so the program runs on a server as well.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    senvio::LadeQtTexteAufDeutsch(anwendung);

    return senvio::FuehreWerkzeugAus(QStringLiteral("senvio-druck"),
                                     senvio::LeseDruckaufruf(anwendung.arguments().mid(1)), senvio::Druckanleitung(),
                                     senvio::DruckeListen);
}
