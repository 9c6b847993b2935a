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

// Every entry whose station stood in the list before it, in list order, each with the
// first entry of its station: what removing the copies removes, the first of each kept.
QList<Doppel> SpaetereKopien(const QStringList& zeilen);

} // namespace senvio
