#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

// The list font: face, size, style and colour of the list view, which the cards and
// pictures are drawn in too. Kept in the settings file as "FontName", "FontSize",
// "FontFarbe" (0x00BBGGRR, red in the lowest byte) and "FontStyle".
namespace senvio {

struct Listenschrift {
    QFont schrift;
    QColor farbe;
};

// "DejaVu Sans Condensed", 18 points, bold, in the given window-text colour.
Listenschrift StandardListenschrift(const QColor& fensterText);

// The style of a "FontStyle" text, compared whole without regard to case: bold,
// bold + italic, italic, underline or strike-out. Any other text changes nothing.
struct Schriftstil {
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    bool durchgestrichen = false;
};
std::optional<Schriftstil> StilAusText(const QString& text);
void WendeStilAn(const Schriftstil& stil, QFont& schrift);

// The "FontStyle" text of a font: one of the five texts above for exactly its style
// set, the empty text for every other set (regular, bold underline, …).
QString StilText(const QFont& schrift);

// A colour kept as 0x00BBGGRR.
QColor FarbeAusZahl(int bbggrr);
int ZahlAusFarbe(const QColor& farbe);

// The list font as the settings file leaves it: each key that is present and valid
// replaces its part of "basis"; a size or colour that is no decimal integer is not used.
Listenschrift LeseListenschrift(const QString& einstellungen, Listenschrift basis);

// Writes "FontName", "FontSize", "FontFarbe" and "FontStyle" in this order, each at once.
void SchreibeListenschrift(const QString& einstellungen, const Listenschrift& liste);

} // namespace senvio
