#pragma once

#include <QString>
#include <QStringList>

// Which program folder a start of the window uses:
//   senvio                          the working directory, as always
//   senvio --programmordner ORDNER  the folder named
//   senvio --benutzerordner         the user's own ~/Senvio, made on its first start
// The desktop entry uses the last: a program started from the menu has no meaningful
// working directory.
namespace senvio {

struct Startaufruf {
    enum class Ordnerwahl { Arbeitsverzeichnis, Benutzerordner, Angegeben };
    Ordnerwahl wahl = Ordnerwahl::Arbeitsverzeichnis;
    QString ordner;     // with Angegeben: the folder as given
    bool hilfe = false; // --help: print the usage and start nothing
    QString fehler;     // a German message when the command line is not usable
};

// Reads the arguments (without the program name).
Startaufruf LeseStartaufruf(const QStringList& argumente);
QString Startanleitung();

// The user's program folder below the home folder.
QString BenutzerordnerIn(const QString& heimordner);

struct BenutzerordnerEinrichtung {
    QString ordner;        // the program folder, when it can be used
    QString fehler;        // otherwise a German message for the user
    bool angelegt = false; // made on this start
};

// Makes the user's program folder on its first start: "Senvio-Listen/", the logo
// library with the group "Meine Logos" and a short text on how logos are named, and a
// copy of the help document `hilfe` (left out when that is empty or missing). The
// folder is put together beside its place and renamed into it at the end, so a failed
// start leaves nothing half made. A folder that is there and not empty is used as it
// is: nothing in it is touched. Where a file stands in its place, the result is an
// error message.
BenutzerordnerEinrichtung RichteBenutzerordnerEin(const QString& heimordner, const QString& hilfe);

// The help document that comes with the program: beside the program (the build tree),
// in "../share/senvio/" from it (an installed program, wherever the prefix), or at
// `installiert`, the path the build configured. Empty when none of them is there.
QString MitgelieferteHilfe(const QString& programmVerzeichnis, const QString& installiert);

// The text file in "Meine Logos".
inline const QString LogoHinweisName = QStringLiteral("Hinweis zu den Logos.txt");

} // namespace senvio
