#include "output/Bildkodierer.h"
#include "view/Fehlersprung.h"

#include <png.h>

namespace senvio {

namespace {

void SchreibeBytes(png_structp png, png_bytep daten, size_t anzahl) {
    auto* ziel = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (ziel->write(reinterpret_cast<const char*>(daten), qint64(anzahl)) != qint64(anzahl)) {
        png_error(png, "Schreibfehler");
    }
}

void LeereNichts(png_structp) {}

class PngKodierer : public Bildkodierer {
public:
    PngKodierer(QIODevice& ziel, int breite, int hoehe) : m_ziel(ziel), m_breite(breite), m_hoehe(hoehe) {
        m_png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, SpringeZurueck, UebergeheWarnung);
        if (m_png != nullptr) {
            m_info = png_create_info_struct(m_png);
        }
    }
    ~PngKodierer() override { png_destroy_write_struct(&m_png, &m_info); }
    PngKodierer(const PngKodierer&) = delete;
    PngKodierer& operator=(const PngKodierer&) = delete;

    bool Beginne() override {
        if (m_png == nullptr || m_info == nullptr) {
            return false;
        }
        return FangeFehlersprung(png_jmpbuf(m_png), [this] {
            png_set_write_fn(m_png, &m_ziel, SchreibeBytes, LeereNichts);
            png_set_IHDR(m_png, m_info, png_uint_32(m_breite), png_uint_32(m_hoehe), 8, PNG_COLOR_TYPE_RGB,
                         PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
            png_set_compression_level(m_png, 7);
            png_set_filter(m_png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
            // libpng ends an IDAT chunk whenever its compression buffer is full.
            png_set_compression_buffer_size(m_png, 65535);
            png_write_info(m_png, m_info);
        });
    }

    bool SchreibeZeilen(const QImage& rgb888) override {
        return FangeFehlersprung(png_jmpbuf(m_png), [this, &rgb888] {
            const int hoehe = rgb888.height();
            for (int y = 0; y < hoehe; ++y) {
                png_write_row(m_png, rgb888.constScanLine(y));
            }
        });
    }

    bool Beende() override {
        return FangeFehlersprung(png_jmpbuf(m_png), [this] { png_write_end(m_png, m_info); });
    }

private:
    QIODevice& m_ziel;
    int m_breite;
    int m_hoehe;
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
};

} // namespace

std::unique_ptr<Bildkodierer> ErstellePngKodierer(QIODevice& ziel, int breite, int hoehe) {
    return std::make_unique<PngKodierer>(ziel, breite, hoehe);
}

} // namespace senvio
