#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

class QCommandLineParser;

// What the command line of every tool of ours holds beside the tool's own options:
// --programmordner ORDNER and -h/--help/--hilfe.
namespace senvio {

struct Werkzeugaufruf {
    QString programmOrdner; // empty: the working directory
    bool hilfe = false;     // --help: print the usage and do nothing else
    QString fehler;         // a German message when the command line is not usable
};

// Parses the arguments (without the program name) with the tool's own options beside
// the common ones, which it fills in. False when the tool has nothing more to read:
// the call asks for help or is not usable.
bool LeseWerkzeugaufruf(QCommandLineParser& leser, const QString& programm, const QList<QCommandLineOption>& eigene,
                        const QStringList& argumente, Werkzeugaufruf& aufruf);

} // namespace senvio
