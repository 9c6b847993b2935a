#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Attaching a picked logo to an entry: the new line, the copy beside the lists and
// the display name.
namespace senvio {

// The stored path of an attached logo: the copy in the lists folder's "Sender-Logos".
QString AngehaengterLogopfad(const QString& dateiname);

// The line with its logo path replaced by the copy's, the text before " #png#" kept
// as it is; nothing for a line without a logo part.
std::optional<QString> ZeileMitLogo(const QString& zeile, const QString& dateiname);

// Copies the logo over any file of the same name, atomically, so a failure leaves
// the old copy whole. False when it could not be copied.
bool KopiereLogo(const QString& quelle, const QString& ziel);

// A logo to attach to the entry of a line: the file as it lies in the library.
struct Logozuweisung {
    int zeile = -1;
    QString pfad;
};

class SenderListe;

// Attaching several logos in one step, as attaching one by hand does: each line with a
// logo part gets the path of its copy (lines without one stay); the caller saves the
// list, then copies with KopiereLogos. Returns the attachments that changed a line.
QList<Logozuweisung> SchreibeLogosEin(SenderListe& liste, const QList<Logozuweisung>& zuweisungen);

// Copies each attached logo into the copies folder under its own file name; a later
// file of the same name replaces an earlier one. Returns a German message per copy
// that failed.
QStringList KopiereLogos(const QList<Logozuweisung>& zuweisungen, const QString& senderLogos);

// The display name of a picked file: its name without the first ".png" (any case),
// shortened from the end while its width in the font plus 8 exceeds 280 pixels.
QString Namensfeldtext(const QString& dateiname);
QString KuerzeNamen(QString name, const QFont& schrift);

} // namespace senvio
