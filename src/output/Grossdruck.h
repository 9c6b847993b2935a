#pragma once

#include "output/Blattdruck.h"

#include <QFont>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPagedPaintDevice;

// The large-print card for those who read the cards most: at most 10 entries on a DIN A6 card,
// the number right-aligned in 22 pt bold, the name in 18 pt DejaVu Sans Bold (I, l and 1 told
// apart) on one or two lines, the logo as large as the row allows; black on white, a header
// with the list's name and the card's numbers. Optionally a back side "So geht's" behind
// each card. Printed directly only, four cards per A4 sheet.
namespace senvio {

constexpr int GrossEintraegeJeKarte = 10;
constexpr double GrossNamePunkt = 18;
constexpr double GrossNummerPunkt = 22;
constexpr double GrossKopfPunkt = 16;

// The face of the large print at a size in points, for a painter that draws in tenths of a point.
QFont Grossschrift(double punkt, bool fett = true);

// The name as it is set: wrapped at word boundaries (and after hyphens) onto at most two lines
// of `breite` tenths of a point; a name that needs more keeps its first line and its second is
// shortened (KuerzeFuerGrossdruck). The type is never made smaller.
QStringList Grossdruckzeilen(const QString& name, const QFont& schrift, double breite);

// The one place where a name too long for large print is shortened to fit one line.
QString KuerzeFuerGrossdruck(const QString& text, const QFont& schrift, double breite);

// A card of the large print: its entries from `erster`, `anzahl` of them.
struct Grosskarte {
    int erster = 0;
    int anzahl = 0;
};

// The cards of the list: rows of ten, fewer where names take two lines.
std::vector<Grosskarte> TeileInGrosskarten(const Kartenauftrag& auftrag);

// Draws the large-print sheets (and after each its back sheet, when chosen). `weiter(seite,
// seiten)` is asked before each page; false ends the drawing there and is returned.
bool ZeichneGrossdruck(QPagedPaintDevice& geraet, const Kartenauftrag& auftrag, const Blattwahl& wahl,
                       const std::function<bool(int, int)>& weiter);

} // namespace senvio
