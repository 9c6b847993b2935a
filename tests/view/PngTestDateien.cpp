#include "PngTestDateien.h"

#include <csetjmp>

namespace senvio::test {

namespace {

void HaengeAn(png_structp png, png_bytep daten, size_t anzahl) {
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(daten), qsizetype(anzahl));
}

// libpng jumps back here on an error; the locals are trivially destructible.
[[gnu::noinline]] bool SchreibeGeschuetzt(png_structp png, png_infop info, const PngVorlage& v, QByteArray& ziel) {
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_set_write_fn(png, &ziel, HaengeAn, [](png_structp) {});
    png_set_IHDR(png, info, png_uint_32(v.breite), png_uint_32(v.zeilen.size()), v.bittiefe, v.farbtyp,
                 v.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!v.palette.empty()) {
        png_set_PLTE(png, info, v.palette.data(), int(v.palette.size()));
    }
    if (!v.paletteAlpha.empty()) {
        png_set_tRNS(png, info, v.paletteAlpha.data(), int(v.paletteAlpha.size()), nullptr);
    }
    if (v.transparenteFarbe) {
        png_set_tRNS(png, info, nullptr, 0, &*v.transparenteFarbe);
    }
    png_write_info(png, info);
    const int durchgaenge = png_set_interlace_handling(png);
    for (int d = 0; d < durchgaenge; ++d) {
        for (const QByteArray& zeile : v.zeilen) {
            png_write_row(png, reinterpret_cast<png_const_bytep>(zeile.constData()));
        }
    }
    png_write_end(png, nullptr);
    return true;
}

} // namespace

QByteArray SchreibePng(const PngVorlage& vorlage) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    QByteArray datei;
    const bool gut = info != nullptr && SchreibeGeschuetzt(png, info, vorlage, datei);
    png_destroy_write_struct(&png, &info);
    return gut ? datei : QByteArray();
}

} // namespace senvio::test
