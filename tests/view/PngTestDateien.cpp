#include "PngTestDateien.h"

#include <csetjmp>
#include <string>
#include <zlib.h>

namespace senvio::test {

namespace {

[[noreturn]] void SpringeZurueck(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void UebergeheWarnung(png_structp, png_const_charp) {}

void HaengeAn(png_structp png, png_bytep daten, size_t anzahl) {
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(daten), qsizetype(anzahl));
}

void Leere(png_structp) {}

void SchreibeKopf(png_structp png, png_infop info, const PngVorlage& v) {
    png_set_IHDR(png, info, png_uint_32(v.breite), png_uint_32(v.hoehe), v.bittiefe, v.farbtyp,
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
}

// libpng jumps back here on an error; the locals are trivially destructible.
[[gnu::noinline]] bool SchreibeGeschuetzt(png_structp png, png_infop info, const PngVorlage& v, QByteArray& ziel) {
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_set_write_fn(png, &ziel, HaengeAn, Leere);
    SchreibeKopf(png, info, v);
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
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, SpringeZurueck, UebergeheWarnung);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    QByteArray datei;
    const bool gut = info != nullptr && SchreibeGeschuetzt(png, info, vorlage, datei);
    png_destroy_write_struct(&png, &info);
    return gut ? datei : QByteArray();
}

QByteArray Chunk(const char* typ, const QByteArray& daten) {
    QByteArray c;
    const auto haengeZahlAn = [&c](quint32 z) {
        for (int s = 24; s >= 0; s -= 8) {
            c.append(char((z >> s) & 0xFF));
        }
    };
    haengeZahlAn(quint32(daten.size()));
    const QByteArray geprueft = QByteArray(typ, 4) + daten;
    c.append(geprueft);
    haengeZahlAn(quint32(crc32(0, reinterpret_cast<const Bytef*>(geprueft.constData()), uInt(geprueft.size()))));
    return c;
}

QByteArray PngSignatur() {
    return QByteArray("\x89PNG\r\n\x1a\n", 8);
}

QByteArray IhdrDaten(quint32 breite, quint32 hoehe) {
    QByteArray d;
    for (const quint32 z : {breite, hoehe}) {
        for (int s = 24; s >= 0; s -= 8) {
            d.append(char((z >> s) & 0xFF));
        }
    }
    d.append(QByteArray("\x08\x02\x00\x00\x00", 5)); // 8 bits, RGB, deflate, filter 0, no interlace
    return d;
}

std::string Farbe(int r, int g, int b) {
    return "(" + std::to_string(r) + ", " + std::to_string(g) + ", " + std::to_string(b) + ")";
}

std::string Farbe(QRgb pixel) {
    return Farbe(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

} // namespace senvio::test
