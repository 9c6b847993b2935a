#pragma once

#include "platform/Werkzeugaufruf.h"

#include <QString>
#include <QStringList>

// The command line of senvio-import:
//   senvio-import [--programmordner ORDNER] [--anhaengen] [--gruppe NAME]... [--ohne-doppelte] [--logos]
//                 LISTE QUELLE...
namespace senvio {

struct Importaufruf : Werkzeugaufruf {
    bool anhaengen = false;
    QStringList gruppen;       // empty: every group
    bool ohneDoppelte = false; // leave out the second and later copies of a station
    bool logos = false;        // attach the logos found without doubt
    QString liste;
    QStringList quellen;
};

// Reads the arguments (without the program name).
Importaufruf LeseImportaufruf(const QStringList& argumente);

QString Importanleitung();

} // namespace senvio
