#pragma once

#include <cstdint>

namespace senvio {

// The font of TmachPDF's text: Index 0 to 13 picks one of the 14 standard fonts, in
// the order Helvetica, -Bold, -Oblique, -BoldOblique, Courier (the same four),
// Times-Roman, -Bold, -Italic, -BoldItalic, Symbol, ZapfDingbats; its resource name
// is F(Index + 1). Size is in page units.
struct TPDFFont {
    std::uint8_t Index = 4;
    int Size = 12;
};

} // namespace senvio
