#pragma once

#include <QString>
#include <QStringList>

class QTemporaryDir;

// The program folder and everything below it. The program folder is the working
// directory at start; every folder value below ends with "/" unless its name says
// otherwise (the temporary and logo copies folders are used as "folder" + "/name").
namespace senvio {

struct ProgrammOrdner {
    explicit ProgrammOrdner(const QString& ordner);
    static ProgrammOrdner AusArbeitsverzeichnis();

    QString programm;      // ends with "/"
    QString einstellungen; // "senvio.ini"
    QString listen;        // "Senvio-Listen/"
    QString temp;          // lists folder + "Temp", no trailing "/"
    QString senderLogos;   // lists folder + "Sender-Logos", no trailing "/"
    QString logoWurzel;    // "TV und Radio Sender Logos/"
    QString hilfe;         // "Senvio-Hilfe.pdf"
};

// The lists folder as it is written at the start of stored logo paths.
inline const QString ListenordnerToken = QStringLiteral("ProgrammVerzeichnis\\Senvio-Listen\\");

struct OrdnerPruefung {
    bool listenOrdnerFehlt = false;
    QString information;   // text of the information box before the program ends
    QStringList warnungen; // texts of warning boxes, one per folder that could not be made
};

// Checks the lists folder and creates the temporary and logo copies folders when
// they are missing. Nothing is created when the lists folder is missing.
OrdnerPruefung PruefeUndLegeOrdnerAn(const ProgrammOrdner& ordner);

// Deletes every file and folder (with its contents) that matches the mask silently:
// the mask is a path whose last part may hold the wildcards "*" and "?", compared
// without regard to case; "*.*" matches every name, with or without a dot.
// Returns true when everything that matched is gone.
bool LoescheDateien(const QString& maske);

// Puts a folder made beside its place (`bau`) into place at `ziel`, readable for all:
// rename() is atomic and also replaces an empty folder. Empty on success, else the
// system's reason; on success `bau` is no longer removed.
QString BringeOrdnerAnOrt(QTemporaryDir& bau, const QString& ziel);

} // namespace senvio
