#pragma once

#include <QFont>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// Making a name fit a width, and choosing the shortened names of a whole list so that no
// two different names come out alike. The entry routine fits every name through here; a
// layout that sets a name in a width of its own calls PasseNamenEin the same way.
namespace senvio {

// The type is narrowed down to this share of its width before any letter is left out.
constexpr int MindestBreiteProzent = 80;

// A name as it is drawn.
struct EingepassterName {
    QString text;          // vorsatz + name + nachsatz, the name whole or shortened
    QString name;          // the name alone as drawn
    QFont schrift;         // the font to draw the text in: the given one, or it narrowed
    bool gekuerzt = false; // the middle of the name is left out
};

// What surrounds the name, and how much of its end must stay.
struct Einpassvorgabe {
    QString vorsatz;        // drawn before the name, never shortened (an entry's number)
    QString nachsatz;       // drawn after it, never shortened
    int mehrEndwoerter = 0; // words kept at the end beyond its distinguishing end
    qsizetype kopfBis = 0;  // the start keeps at least this many characters, where they fit
    // How far the type may be narrowed, in percent of its width; 100 keeps the letters as they
    // are (large print) and goes straight to leaving out the middle.
    int mindestBreiteProzent = MindestBreiteProzent;
};

// Tabs stop every five average character widths of the font.
int TabAbstand(const QFont& schrift);

// The width of a single line of text in the font, tabs expanded every TabAbstand(schrift).
int Zeilenbreite(const QFont& schrift, const QString& text);

// Fits vorsatz + name + nachsatz into `breite` pixels (Zeilenbreite in the returned font):
// - a text that fits comes back unchanged, in the given font;
// - else the type is narrowed horizontally (QFont::setStretch) just as far as needed, down
//   to 80 % of its width;
// - else, at 80 %, the middle of the name is left out and marked with "…": its start stays,
//   and its distinguishing end: the trailing numbers and quality words ("Sky Sport Bundes…
//   3 HD"), or the last word when it ends in neither, plus `mehrEndwoerter` words before
//   that. The start keeps at least its first word (up to 12 characters) or `kopfBis`
//   characters, the end gives up words from its front when start and end do not fit
//   together; a start of `kopfBis` too long for any end goes without one.
// Only a width too small for vorsatz, a letter and "…" gives a text wider than `breite`.
EingepassterName PasseNamenEin(const QString& name, const QFont& schrift, int breite,
                               const Einpassvorgabe& vorgabe = {});

// The fitted heads of a list's lines in one font and width, chosen together: where two
// different names would come out alike, each keeps a word more of its end, or, where that
// does not tell them apart, its start up to the word in which it differs from the others. Made in one pass over the
// list (the widths of short heads are estimated from the font's advances, so that a list of thousands is fitted in a
// few milliseconds) and kept while the list and font stay; the drawing then only looks a line up.
class Namenswahl {
public:
    // `vorige`, the choice made before for this font and width, lends the names it fitted.
    Namenswahl(const QStringList& zeilen, const QFont& schrift, int breite, const Namenswahl* vorige = nullptr);

    // Made for exactly these lines (or a list holding every one of them), font and width.
    bool GiltFuer(const QStringList& zeilen, const QFont& schrift, int breite) const;
    bool FuerSchrift(const QFont& schrift, int breite) const;
    // The fitted head of a line of the list whose head does not fit as it is; nullptr for
    // every other line.
    const EingepassterName* Kopf(const QString& zeile) const;

private:
    QStringList m_zeilen;
    QFont m_schrift;
    int m_breite;
    QHash<QString, EingepassterName> m_koepfe;
    QHash<QString, EingepassterName> m_gemerkt; // by prefix width, name and how much of it stays
    mutable QSet<QString> m_menge;              // made when a part of the list is asked about
};

// The head of a line (ZerlegeZeile's kopf) fitted into `breite` pixels: its prefix and the
// blank after the name kept, the name fitted. Taken from `wahl` when that knows the line.
EingepassterName PasseKopfEin(const QString& zeile, const QFont& schrift, int breite, const Namenswahl* wahl = nullptr);

} // namespace senvio
