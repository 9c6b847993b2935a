#pragma once

#include <QString>
#include <QStringList>

// The command line of senvio-import:
//   senvio-import [--programmordner ORDNER] [--anhaengen] [--gruppe NAME]... LISTE QUELLE...
namespace senvio {

struct Importaufruf {
    QString programmOrdner; // empty: the working directory
    bool anhaengen = false;
    QStringList gruppen; // empty: every group
    QString liste;
    QStringList quellen;
    bool hilfe = false; // --help: print the usage and do nothing else
    QString fehler;     // a German message when the command line is not usable
};

// Reads the arguments (without the program name).
Importaufruf LeseImportaufruf(const QStringList& argumente);

QString Importanleitung();

} // namespace senvio
