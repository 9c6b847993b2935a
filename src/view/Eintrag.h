#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include "view/Namenseinpassung.h"
#include "view/PngBild.h"

#include <functional>
#include <memory>

class QPainter;

// Measuring and drawing one entry of the channel list: its text on the left, its logo
// at 60 × 40 at the right edge. The list view and the card renderer both draw through
// here, so cards and pictures look like the screen.
namespace senvio {

constexpr int LogoBreite = 60;
constexpr int LogoHoehe = 40;
constexpr int ZeilenHoehe = LogoHoehe + 1;
// TextBreite above this is narrowed or shortened: the drawn text is at most 392 pixels wide.
constexpr int MaxTextBreite = 400;
constexpr int Kopfbreite = MaxTextBreite - 8;

// The item logo of a logo file, made ahead of the drawing; a null picture when it has
// none for the file (the logo is then made as usual).
using Logovorrat = std::function<QImage(const QString& datei)>;

// What drawing an entry needs beyond the line: the program folder for resolving
// logo paths and the placeholder counter, which every drawn entry sets. The card
// renderer lends a store of logos it made on every core while it draws a page.
struct Eintragsumgebung {
    QString programmOrdner;
    int platzhalterzaehler = 0;
    Logovorrat vorrat; // empty: every logo is decoded and scaled as it is drawn
    // The shortened names of the list being drawn (StelleNamenBereit); empty, or made for
    // another font: each head is fitted on its own.
    std::shared_ptr<const Namenswahl> namen = nullptr;
};

// Width of the text in the font, tabs expanded, plus 8.
int TextBreite(const QFont& schrift, const QString& text);

// The text drawn for an entry on its own: its head (prefix, name, one blank), or the whole
// line when it has no separator, fitted into 392 pixels by PasseKopfEin.
QString Eintragstext(const QString& zeile, const QFont& schrift);

// Makes the umgebung's name choice fit these lines (the whole list, or lines of it) in the
// font: kept when it already does, made anew otherwise. Every way of drawing a list calls
// this before its entries, so screen, cards, pictures and print shorten alike.
void StelleNamenBereit(Eintragsumgebung& umgebung, const QStringList& zeilen, const QFont& schrift);

// Sets the placeholder counter from a logo path: the path's placeholder number, 0
// for a path that is no placeholder, unchanged for "ohne logo" without a digit.
void SetzePlatzhalterzaehler(const QString& logoPfad, int& zaehler);

// The 60 × 40 item logo of a line (the counter updated on the way), or a null
// picture when the line has no separator. A missing file shows the placeholder of
// the counter, a file that does not decode placeholder 0.
QImage Eintragslogo(const QString& zeile, Eintragsumgebung& umgebung, QSize ziel = {LogoBreite, LogoHoehe});

// Fits a logo into a 140 × 100 box, white or for a light logo the dark plate, and
// resamples it to 60 × 40, or to the size the 60 × 40 take on a printer: the box is then
// made about as many times larger as that size is, so the logo keeps the device's sharpness.
QImage MacheEintragslogo(const DekodiertesLogo& logo, QSize ziel = {LogoBreite, LogoHoehe});

// The item logo of an existing logo file, or a null picture when it does not decode;
// kept in the logo cache between runs. Runs on any thread.
QImage EintragslogoDerDatei(const QString& datei, QSize ziel = {LogoBreite, LogoHoehe});

// The pixels the 60 × 40 of the item logo cover on the painter's device.
QSize GeraeteLogogroesse(const QPainter& maler);

// Draws one entry into the rectangle: fills it with the ground, copies the logo to
// its right edge, and writes the head 10 pixels down in the font and text colour, fitted as
// the umgebung's name choice or PasseKopfEin has it. On a
// device of another resolution (a printer under a scaled painter) the text is set as on
// the list's own pictures and the logo made at the device's pixels.
void ZeichneEintrag(QPainter& maler, const QRect& rechteck, const QString& zeile, Eintragsumgebung& umgebung,
                    const QFont& schrift, const QColor& grund, const QColor& textfarbe);

} // namespace senvio
