#include "view/Logobild.h"

#include <QPainter>

#include <pixman.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace senvio {

QSize EingepassteGroesse(QSize bild, QSize kasten) {
    if (bild.width() <= 0 || bild.height() <= 0)
        return {0, 0};
    const double r = double(bild.height()) / double(bild.width());
    const double R = double(kasten.height()) / double(kasten.width());
    if (R >= r)
        return {kasten.width(), int(kasten.width() * r)};
    return {int(kasten.height() / r), kasten.height()};
}

QImage PasseInKastenEin(const QImage& bild, QSize kasten, const QColor& grund) {
    QImage ergebnis(kasten, QImage::Format_RGB32);
    ergebnis.fill(grund);
    const QSize groesse = EingepassteGroesse(bild.size(), kasten);
    if (groesse.isEmpty())
        return ergebnis;
    const QImage gestreckt = bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter maler(&ergebnis);
    maler.drawImage((kasten.width() - groesse.width()) / 2, (kasten.height() - groesse.height()) / 2, gestreckt);
    return ergebnis;
}

namespace {

struct PixmanBildFrei {
    void operator()(pixman_image_t* bild) const { pixman_image_unref(bild); }
};
using PixmanBild = std::unique_ptr<pixman_image_t, PixmanBildFrei>;

PixmanBild UmhuelleBild(QImage& bild) {
    return PixmanBild(pixman_image_create_bits(PIXMAN_x8r8g8b8, bild.width(), bild.height(),
                                               reinterpret_cast<uint32_t*>(bild.bits()), int(bild.bytesPerLine())));
}

// One direction's kernels: Lanczos as the sampling kernel when shrinking (its width
// grows with the scale), as the reconstruction kernel when enlarging; a direction
// that keeps its size takes one pixel as it is.
struct Kern {
    pixman_kernel_t rekonstruktion;
    pixman_kernel_t abtastung;
    double skala;
    int phasenBits;
};

Kern KernFuer(double skala) {
    if (skala == 1.0)
        return {PIXMAN_KERNEL_BOX, PIXMAN_KERNEL_IMPULSE, 1.0, 0};
    if (skala > 1.0)
        return {PIXMAN_KERNEL_IMPULSE, PIXMAN_KERNEL_LANCZOS3, skala, 4};
    return {PIXMAN_KERNEL_LANCZOS3, PIXMAN_KERNEL_IMPULSE, 1.0, 4};
}

// The filter's coefficients for a pair of kernels. Working them out takes longer than
// the resampling of a small logo, and the same few scales come again and again.
const std::vector<pixman_fixed_t>& FilterParameter(const Kern& x, const Kern& y) {
    using Schluessel = std::tuple<int, int, double, int, int, int, double, int>;
    thread_local std::map<Schluessel, std::vector<pixman_fixed_t>> bekannt;
    const Schluessel schluessel{x.rekonstruktion, x.abtastung, x.skala, x.phasenBits,
                                y.rekonstruktion, y.abtastung, y.skala, y.phasenBits};
    auto [eintrag, neu] = bekannt.try_emplace(schluessel);
    if (neu) {
        int anzahl = 0;
        pixman_fixed_t* werte = pixman_filter_create_separable_convolution(
            &anzahl, pixman_double_to_fixed(x.skala), pixman_double_to_fixed(y.skala), x.rekonstruktion,
            y.rekonstruktion, x.abtastung, y.abtastung, x.phasenBits, y.phasenBits);
        eintrag->second.assign(werte, werte + anzahl);
        std::free(werte);
    }
    return eintrag->second;
}

// Resamples in one pass. pixman applies the separable kernel as a full 2-D grid of
// taps, so SkaliereLanczos runs one pass per direction: far fewer taps, same result.
QImage SkaliereEinmal(const QImage& quelle, QSize ziel) {
    QImage q = quelle;
    QImage ergebnis(ziel, QImage::Format_RGB32);
    PixmanBild quellbild = UmhuelleBild(q);
    PixmanBild zielbild = UmhuelleBild(ergebnis);
    const double sx = double(q.width()) / ziel.width();
    const double sy = double(q.height()) / ziel.height();
    pixman_transform_t transformation;
    pixman_transform_init_scale(&transformation, pixman_double_to_fixed(sx), pixman_double_to_fixed(sy));
    pixman_image_set_transform(quellbild.get(), &transformation);
    const Kern x = KernFuer(sx);
    const Kern y = KernFuer(sy);
    const std::vector<pixman_fixed_t>& parameter = FilterParameter(x, y);
    pixman_image_set_filter(quellbild.get(), PIXMAN_FILTER_SEPARABLE_CONVOLUTION, parameter.data(),
                            int(parameter.size()));
    // Edge pixels repeat outward, so the kernel does not pull black in at the borders.
    pixman_image_set_repeat(quellbild.get(), PIXMAN_REPEAT_PAD);
    pixman_image_composite32(PIXMAN_OP_SRC, quellbild.get(), nullptr, zielbild.get(), 0, 0, 0, 0, 0, 0, ziel.width(),
                             ziel.height());
    return ergebnis;
}

} // namespace

QImage SkaliereLanczos(const QImage& bild, QSize ziel) {
    if (ziel.isEmpty())
        return QImage(ziel, QImage::Format_RGB32);
    if (bild.isNull() || bild.width() <= 0 || bild.height() <= 0) {
        QImage weiss(ziel, QImage::Format_RGB32);
        weiss.fill(Qt::white);
        return weiss;
    }
    const QImage quelle = bild.convertToFormat(QImage::Format_RGB32);
    const QImage waagrecht = SkaliereEinmal(quelle, QSize(ziel.width(), quelle.height()));
    return SkaliereEinmal(waagrecht, ziel);
}

} // namespace senvio
