#pragma once

#include "dokument/Aktualisierung.h"
#include "empfang/Empfaenger.h"
#include "platform/Werkzeugaufruf.h"

#include <QString>
#include <QStringList>

// The command line of senvio-import:
//   senvio-import [--programmordner ORDNER] [--anhaengen] [--gruppe NAME]... [--mit-doppelten]
//                 [--radio-mitnehmen] [--logos] LISTE QUELLE...
//   senvio-import --aktualisieren [--meine-reihenfolge] [--neue weglassen|ans-ende]
//                 [--fehlende behalten|entfernen] [--trotzdem] [...] LISTE [QUELLE...]
//   senvio-import [...] --receiver ADRESSE [--art enigma2|router|tvheadend] [--benutzer NAME] LISTE
//   senvio-import --gruppen QUELLE...
namespace senvio {

struct Importaufruf : Werkzeugaufruf {
    bool anhaengen = false;
    QStringList gruppen;         // empty: every group
    bool mitDoppelten = false;   // keep the second and later channels of one service
    bool radioMitnehmen = false; // radio in the same list, also where the receiver numbers it on its own
    bool logos = false;          // attach the logos found without doubt
    bool aktualisieren = false;  // bring the existing list up to date instead of importing
    bool gruppenZeigen = false;  // only name the groups of the sources with their counts
    bool bouquetAbEins = false;  // the receiver counts each bouquet from 1
    bool trotzdem = false;       // an update that changes the list wholesale is made all the same
    Aktualisierungswahl wahl;    // how an update lays the list out
    QString liste;
    QStringList quellen; // an update without sources takes those the list remembers
    // The box on the home network the channel list is fetched from instead of files.
    QString receiver;
    Empfaengerart art = Empfaengerart::Automatisch;
    QString benutzer;
};

// Reads the arguments (without the program name).
Importaufruf LeseImportaufruf(const QStringList& argumente);

QString Importanleitung();

} // namespace senvio
