#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The keys a station's name is looked up by among the logo files: the name reduced to
// lower-case letters and digits, as logo collections name their files.
namespace senvio {

// The classic key: decomposed (NFKD), only ASCII kept (so "ü" becomes "u" and "ß" goes),
// "&" → "and", "+" → "plus", "*" → "star", lower case, only a–z and 0–9 kept.
// "Sky Cinema +24 HD" → "skycinemaplus24hd", "Straße TV" → "straetv".
QString KlassischerSchluessel(QStringView name);

// The key of the German spelling: "ä" → "ae", "ö" → "oe", "ü" → "ue", "ß" → "ss" (capitals
// too, composed or decomposed) before the classic key: "MDR Thüringen" → "mdrthueringen".
QString DeutscherSchluessel(QStringView name);

// The key with umlauts (and "ß") dropped: "MDR Thüringen" → "mdrthringen".
QString SchluesselOhneUmlaute(QStringView name);

// Every key the key gives without one trailing quality ending, when something is left:
// a key can be read two ways, "zdfhd" as "zdf" + "hd" and as "zd" + "fhd", "tagesschauhd"
// as "tagesschau" + "hd" and "tagesscha" + "uhd"; both are kept, "hd" first.
QStringList OhneQualitaetsendungen(const QString& schluessel);
// True for a key that is one of those endings: "hd", "uhd", "fhd", "sd", "4k".
bool IstQualitaetsendung(QStringView schluessel);

// The keys of a name, strongest rule first: [0] the classic key, [1] the German spelling
// and the one without umlauts, [2] each of these without a quality ending. No key is
// empty, and none repeats a key of an earlier rule.
struct Namensschluessel {
    QStringList regel[3];
};
Namensschluessel SchluesselDesNamens(QStringView name);

// A file's base name or a key from an import file as compared: composed (NFC) and
// case-folded, so composed and decomposed spellings and any letter case are equal.
QString Vergleichsform(QStringView text);

} // namespace senvio
