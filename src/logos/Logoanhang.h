#pragma once

#include <QFont>
#include <QString>

#include <optional>

// Attaching a picked logo to an entry: the new line, the copy beside the lists and
// the display name.
namespace senvio {

// The stored path of an attached logo: the copy in the lists folder's "Sender-Logos".
QString AngehaengterLogoPfad(const QString& dateiname);

// The line with its logo path replaced by the copy's, the text before " #png#" kept
// as it is; nothing for a line without a logo part.
std::optional<QString> ZeileMitLogo(const QString& zeile, const QString& dateiname);

// Copies the logo over any file of the same name, atomically, so a failure leaves
// the old copy whole. False when it could not be copied.
bool KopiereLogo(const QString& quelle, const QString& ziel);

// The display name of a picked file: its name without the first ".png" (any case),
// shortened from the end while its width in the font plus 8 exceeds 280 pixels.
QString Namensfeldtext(const QString& dateiname);
QString KuerzeNamen(QString name, const QFont& schrift);

} // namespace senvio
