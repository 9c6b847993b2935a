#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The back side "So geht's" of the large-print cards: up to eight lines, each a key label and
// what it does, the same on every card of a list. Kept per list in "NAME.rueckseite" beside
// the list (UTF-8, a line per entry); programs that read list files never look at it.
namespace senvio {

struct Rueckseitenzeile {
    QString taste;   // "Kein Bild / Kein Signal"
    QString wirkung; // "Taste QUELLE (SOURCE / INPUT), dann „TV“"
    bool operator==(const Rueckseitenzeile&) const = default;
};

constexpr int RueckseiteZeilenHoechstens = 8;
inline const QString RueckseiteTitel = QStringLiteral("So geht's");

// The presets offered to start from: "Allgemein" first, then TV brands.
QStringList RueckseitenVorlagen();
// The lines of a preset; "Allgemein" for a name that is none.
QList<Rueckseitenzeile> RueckseitenVorlage(const QString& vorlage);

// "NAME.rueckseite" beside "NAME.lis" (in any letter case of the ending).
QString RueckseitendateiZu(const QString& listendatei);

// The back side of the list; the preset "Allgemein" when the file is missing or is not ours.
// Lines past eight are left out.
QList<Rueckseitenzeile> LeseRueckseite(const QString& datei);

// Writes the lines atomically (empty lines left out). Throws DateiFehler when it cannot be written.
void SchreibeRueckseite(const QString& datei, const QList<Rueckseitenzeile>& zeilen);

} // namespace senvio
