#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Entries that stand for the same station: compared by a key that lets letter case, the
// spelling of umlauts and a trailing quality word ("HD", "SD") not count.
namespace senvio {

// What the import writes for a number the receiver leaves free and for a channel without
// name: they stand for no station, so they are never the same station as another.
inline const QString FreierEintrag = QStringLiteral("(frei)");
inline const QString EintragOhneName = QStringLiteral("(ohne Name)");

// The German key of the name without a last word "HD", "UHD", "FHD", "SD" or "4K":
// "Das Erste HD", "das erste" and "Das-Erste (SD)" give "daserste", "München TV" and
// "Muenchen TV" give "muenchentv", "ZDFneo" stays apart from "ZDF". Empty for a name
// without letters or digits and for "(frei)" and "(ohne Name)".
QString Senderschluessel(QStringView name);

// The first line whose entry is the same station as the name; nothing when none is.
std::optional<qsizetype> FindeGleichenSender(const QStringList& zeilen, QStringView name);

// An entry whose station stands in the list more than once, and the first other entry of it.
struct Doppel {
    qsizetype eintrag = -1;
    qsizetype anderer = -1;
};
// The next such entry after line `aktuell` (-1: from the start), after the last line
// going on from the first; nothing when no station stands twice.
std::optional<Doppel> NaechstesDoppel(const QStringList& zeilen, qsizetype aktuell);

// What an import knew of an entry that tells services apart; nothing for one typed by hand.
struct Dienstkennung {
    QString referenz;  // the service in its source
    QString quellname; // the name the source gave it
    bool radio = false;
    bool bekannt = false; // an import knew the entry, so `radio` holds
};

// A later entry of a station and the first entry of that station. Sure when both are the
// same service (the same reference, of the same kind) or bear the same name (letter case
// and blanks not counted); else their names, or the names their source gave them, only
// share a station key ("Das Erste" and "Das Erste HD", "RTL HD" and "RTL UHD").
struct Kopie {
    qsizetype eintrag = -1;
    qsizetype erster = -1;
    bool sicher = false;
};
// Every such entry in list order; `dienste` goes index for index with the lines. The first
// entry of each station is kept, and so is every entry that is not surely a copy: a later
// copy of it refers to it.
QList<Kopie> SpaetereKopien(const QStringList& zeilen, const QList<Dienstkennung>& dienste);

} // namespace senvio
