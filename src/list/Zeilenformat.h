#pragma once

#include <QString>

// One entry line: prefix ("  12   = "), name, separator " #png#", logo path.
namespace senvio {

inline const QString Trenner = QStringLiteral(" #png#");
inline const QString TrennerOhneBlank = QStringLiteral("#png#");
inline const QString ProgrammToken = QStringLiteral("ProgrammVerzeichnis");

struct ZeilenTeile {
    bool hatTrenner = false;
    QString praefix; // see PraefixLaenge (empty without one)
    QString kopf;    // prefix, name and the blank that starts the separator
    QString name;
    QString logoPfad; // everything after the separator
};

// The length of the line's prefix: up to and including the first "= ", when that
// lies wholly before the separator; 0 otherwise. A "= " inside the logo path never
// makes a prefix, so renumbering cannot cut into the separator or the path.
qsizetype PraefixLaenge(QStringView zeile);

// Where the line's first separator " #png#" starts, or -1. Every renumbering and every
// save asks this of every line: it looks only at the '#' characters, not at every position.
qsizetype FindeTrenner(QStringView zeile);

// Whether the line already starts with the prefix of entry n and that prefix is the
// one PraefixLaenge finds: the renumbering then keeps the line as it is.
bool HatPraefix(QStringView zeile, qsizetype n);

// Takes a line apart. A line without separator counts as a name without logo:
// its head is the whole line and its logo path is empty.
ZeilenTeile ZerlegeZeile(const QString& zeile);

// The prefix of entry n as the renumbering writes it.
QString Praefix(qsizetype n);
// The interim prefix of an entry appended from the station picker.
QString VorlaeufigerPraefix(qsizetype n);

QString BaueZeile(const QString& praefix, const QString& name, const QString& logoPfad);
// The line of entry n with its prefix as the renumbering writes it, made in one piece.
QString BaueNummerierteZeile(qsizetype n, QStringView name, QStringView logoPfad);

// Text made fit to stand in one line, as every command that puts text into a line
// does first: each character the list reader takes for a line end or the end of the
// data (CR, LF, 11, 12, 0, U+0085, U+2028, U+2029; CR LF counts as one) becomes one
// blank, every "#png#" becomes "# png #" (a name holding the separator, or starting with
// it after the prefix's blank, would cut its line in the wrong place), then blanks at
// both ends go. Tabs stay: they separate columns of a name.
QString MacheEinzeilig(const QString& text);

// The text without blanks at either end; blanks only: a tab may separate columns of a
// name and stays.
QString OhneRandBlanks(const QString& text);

// The line with everything before the separator unchanged and a new logo path.
QString MitNeuemLogo(const QString& zeile, const QString& logoPfad);

// "Ohne Logo" + n + ".png", the stored form of placeholder n (1 to 4).
QString Platzhalterpfad(int n);

// True when the path, in any letter case, contains "ohne logo".
bool IstPlatzhalterpfad(const QString& logoPfad);

// The placeholder number of a logo path: the last j of 1 to 4 for which "ohne logo"
// followed by j occurs (any letter case); 0 otherwise.
int PlatzhalterNummer(const QString& logoPfad);

// A logo path as used: the token replaced by the program folder, backslashes made
// slashes, relative paths taken from the program folder.
struct AufgeloestesLogo {
    QString datei;
    bool vorhanden = false; // the file exists; otherwise placeholder picture "platzhalter" is shown
    int platzhalter = 0;
};
AufgeloestesLogo LoeseLogopfadAuf(const QString& logoPfad, const QString& programmOrdner);

} // namespace senvio
