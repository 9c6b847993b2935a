#include "output/Bildkodierer.h"
#include "view/Fehlersprung.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t first
#include <jerror.h>
#include <jpeglib.h>

namespace senvio {

namespace {

// libjpeg's error manager with the place its errors jump back to.
struct JpegFehler {
    jpeg_error_mgr mgr;
    std::jmp_buf sprung;
};

// The destination: the encoded bytes go to the device through a buffer.
struct JpegZiel {
    jpeg_destination_mgr mgr;
    QIODevice* geraet;
    JOCTET puffer[1 << 16];
};

// libjpeg's errors end in a jump back to FangeFehlersprung; nothing is printed.
[[noreturn]] void SpringeZurueck(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegFehler*>(info->err)->sprung, 1);
}

void SchweigeStill(j_common_ptr) {}

JpegZiel* Ziel(j_compress_ptr info) {
    return reinterpret_cast<JpegZiel*>(info->dest);
}

void SchreibePuffer(j_compress_ptr info, size_t anzahl) {
    JpegZiel* ziel = Ziel(info);
    if (ziel->geraet->write(reinterpret_cast<const char*>(ziel->puffer), qint64(anzahl)) != qint64(anzahl)) {
        ERREXIT(info, JERR_FILE_WRITE);
    }
    ziel->mgr.next_output_byte = ziel->puffer;
    ziel->mgr.free_in_buffer = sizeof ziel->puffer;
}

void BeginneZiel(j_compress_ptr info) {
    Ziel(info)->mgr.next_output_byte = Ziel(info)->puffer;
    Ziel(info)->mgr.free_in_buffer = sizeof Ziel(info)->puffer;
}

boolean LeerePuffer(j_compress_ptr info) {
    SchreibePuffer(info, sizeof Ziel(info)->puffer); // a full buffer, whatever free_in_buffer says
    return TRUE;
}

void BeendeZiel(j_compress_ptr info) {
    SchreibePuffer(info, sizeof Ziel(info)->puffer - Ziel(info)->mgr.free_in_buffer);
}

class JpegKodierer : public Bildkodierer {
public:
    JpegKodierer(QIODevice& ziel, int breite, int hoehe) : m_breite(breite), m_hoehe(hoehe) {
        m_info.err = jpeg_std_error(&m_fehler.mgr);
        m_fehler.mgr.error_exit = SpringeZurueck;
        m_fehler.mgr.output_message = SchweigeStill;
        m_ziel.mgr.init_destination = BeginneZiel;
        m_ziel.mgr.empty_output_buffer = LeerePuffer;
        m_ziel.mgr.term_destination = BeendeZiel;
        m_ziel.geraet = &ziel;
    }
    ~JpegKodierer() override {
        if (m_erstellt) {
            jpeg_destroy_compress(&m_info);
        }
    }
    JpegKodierer(const JpegKodierer&) = delete;
    JpegKodierer& operator=(const JpegKodierer&) = delete;

    bool Beginne() override {
        return FangeFehlersprung(m_fehler.sprung, [this] {
            jpeg_create_compress(&m_info);
            m_erstellt = true;
            m_info.dest = &m_ziel.mgr;
            m_info.image_width = JDIMENSION(m_breite);
            m_info.image_height = JDIMENSION(m_hoehe);
            m_info.input_components = 3;
            m_info.in_color_space = JCS_RGB;
            jpeg_set_defaults(&m_info);
            jpeg_set_quality(&m_info, 90, TRUE);
            jpeg_start_compress(&m_info, TRUE);
        });
    }

    bool SchreibeZeilen(const QImage& rgb888) override {
        return FangeFehlersprung(m_fehler.sprung, [this, &rgb888] {
            const int hoehe = rgb888.height();
            for (int y = 0; y < hoehe; ++y) {
                JSAMPROW zeile = const_cast<JSAMPLE*>(rgb888.constScanLine(y));
                jpeg_write_scanlines(&m_info, &zeile, 1);
            }
        });
    }

    bool Beende() override {
        return FangeFehlersprung(m_fehler.sprung, [this] { jpeg_finish_compress(&m_info); });
    }

private:
    int m_breite;
    int m_hoehe;
    jpeg_compress_struct m_info{};
    JpegFehler m_fehler{};
    JpegZiel m_ziel{};
    bool m_erstellt = false;
};

} // namespace

std::unique_ptr<Bildkodierer> ErstelleJpegKodierer(QIODevice& ziel, int breite, int hoehe) {
    return std::make_unique<JpegKodierer>(ziel, breite, hoehe);
}

} // namespace senvio
