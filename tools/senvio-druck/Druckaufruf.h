#pragma once

#include "output/Ausgabeart.h"

#include "platform/Werkzeugaufruf.h"

#include <QString>
#include <QStringList>

// The command line of senvio-druck:
//   senvio-druck [--programmordner ORDNER] [--modus oben|links|doppel|gross|jpeg|png]
//                [--druckdatei DATEI.pdf | --drucker NAME] [--start-karte N] [--nur-geaenderte]
//                [--rueckseite] LISTE…
namespace senvio {

struct Druckaufruf : Werkzeugaufruf {
    Ausgabeart art = Ausgabeart::Doppelhuellen;
    QStringList listen;
    // Direct printing, as the window's "Drucken...": into a PDF file or to a CUPS printer.
    QString druckdatei;
    QString drucker;
    int startKarte = 1;
    // Only the cards an update changed since they were last printed on paper.
    bool nurGeaenderte = false;
    bool rueckseite = false; // large print: the back side behind each card
};

// Reads the arguments (without the program name).
Druckaufruf LeseDruckaufruf(const QStringList& argumente);

QString Druckanleitung();

// The list file an argument names: a path when it holds "/" or ends in ".lis",
// relative to the folder the program was started in; otherwise a list name in the
// lists folder.
QString ListendateiZu(const QString& argument, const QString& startOrdner, const QString& listenOrdner);

// The list's name: its file name without ".lis".
QString ListennameVon(const QString& listendatei);

} // namespace senvio
