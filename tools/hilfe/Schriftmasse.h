#pragma once

#include <string_view>

// Glyph widths of the standard fonts the help document uses, so that text can be
// measured and wrapped before it is written.
namespace senvio::hilfe {

// The value is TPDFFont's Index of the font.
enum class Schrift { Helvetica = 0, HelveticaFett = 1, Courier = 4 };

// Width of one Windows-1252 character in thousandths of the font size; 0 for a code
// without a glyph.
int Zeichenbreite(Schrift schrift, unsigned char zeichen);

// Width of Windows-1252 text in points at `groesse` points.
double Textbreite(std::string_view text, Schrift schrift, double groesse);

} // namespace senvio::hilfe
