#pragma once

#include "platform/Fehler.h"
#include "platform/Ordner.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

class QCommandLineParser;

// What the command line of every tool of ours holds beside the tool's own options:
// --programmordner ORDNER, --benutzerordner, --ohne-zwischenspeicher and -h/--help/--hilfe.
namespace senvio {

struct Werkzeugaufruf {
    QString programmOrdner;      // empty: the working directory
    bool benutzerordner = false; // --benutzerordner: the user's ~/Senvio, as the desktop entry's window
    bool hilfe = false;          // --help: print the usage and do nothing else
    QString fehler;              // a German message when the command line is not usable
    // --ohne-zwischenspeicher: prepared logos neither read from nor kept in the cache
    bool ohneZwischenspeicher = false;
};

// Parses the arguments (without the program name) with the tool's own options beside
// the common ones, which it fills in. False when the tool has nothing more to read:
// the call asks for help or is not usable.
bool LeseWerkzeugaufruf(QCommandLineParser& leser, const QString& programm, const QList<QCommandLineOption>& eigene,
                        const QStringList& argumente, Werkzeugaufruf& aufruf);

// The program folder of a tool's run: the one named, the user's ~/Senvio (made on its
// first start with --benutzerordner), else the working directory. A working directory
// without "Senvio-Listen" while ~/Senvio has one means ~/Senvio: the lists of the window
// started from the desktop are there; `hinweis` then says so for standard error.
struct Werkzeugordner {
    QString ordner;
    QString hinweis;
    QString fehler; // the user's folder cannot be made
};
Werkzeugordner WaehleWerkzeugordner(const Werkzeugaufruf& aufruf, const QString& arbeitsordner,
                                    const QString& heimordner, const QString& hilfe);

// The same for the run in the working directory, the note written to `fehler`; nothing, and
// the message written after the program's name, when the user's folder cannot be made.
std::optional<ProgrammOrdner> WerkzeugordnerDesLaufs(const Werkzeugaufruf& aufruf, const QString& programm,
                                                     QTextStream& fehler);

// A tool's run is short: memory freed by one page picture stays in the process for the
// next, rather than going back to the system and being faulted in anew page by page.
void BehalteFreienSpeicher();

// What a tool does with its call: the usage for --help (exit 0), the message and the
// usage for a call that is not usable (exit 2), else the run with the call and the
// streams for standard output and standard error. An error that ends the run gives its
// German message and exit 1; so does any other exception, bad_alloc above all: no tool
// ends with an English what() (MeldungDerAusnahme).
template <typename Aufruf, typename Lauf>
int FuehreWerkzeugAus(const QString& programm, const Aufruf& aufruf, const QString& anleitung, Lauf&& lauf) {
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    if (aufruf.hilfe) {
        aus << anleitung;
        return 0;
    }
    if (!aufruf.fehler.isEmpty()) {
        fehler << programm << ": " << aufruf.fehler << "\n\n" << anleitung;
        return 2;
    }
    BehalteFreienSpeicher();
    try {
        return lauf(aufruf, aus, fehler);
    } catch (const Fehler& f) {
        fehler << programm << ": " << f.meldung() << '\n';
    } catch (...) {
        fehler << programm << ": " << QString::fromStdString(MeldungDerAusnahme(std::current_exception())) << '\n';
    }
    return 1;
}

} // namespace senvio
