#include "view/Logobild.h"

#include <QPainter>

#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <tuple>
#include <utility>
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

QImage LegeLogoInKasten(const DekodiertesLogo& logo, QSize kasten, QRect bereich) {
    QImage ergebnis(kasten, QImage::Format_RGB32);
    ergebnis.fill(Qt::white);
    QPainter maler(&ergebnis);
    if (logo.hell) {
        const double rund = std::min(kasten.width(), kasten.height()) / 10.0;
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setPen(Qt::NoPen);
        maler.setBrush(QColor(Plattenfarbe));
        maler.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(kasten)), rund, rund);
    }
    // A light logo keeps its alpha: the painter blends it over the plate.
    if (!bereich.isEmpty() && !logo.bild.isNull())
        maler.drawImage(bereich.topLeft(),
                        logo.bild.scaled(bereich.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return ergebnis;
}

QImage SkaliereLogoImKasten(const DekodiertesLogo& logo, QSize kasten, QRect bereich, QSize ziel) {
    const QImage kastenbild = LegeLogoInKasten(logo, kasten, bereich);
    return logo.hell ? SkaliereLanczos(kastenbild, ziel) : SkaliereLanczosAufWeiss(kastenbild, ziel, bereich);
}

QImage LogoAufGrund(const DekodiertesLogo& logo) {
    return logo.hell ? LegeLogoInKasten(logo, logo.bild.size(), logo.bild.rect()) : logo.bild;
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

// Resamples rows `von` to `bis` (exclusive) of the target in one pass; the source's
// rows lie at the same place as in the whole picture, so every target pixel comes
// out as a pass over everything would give it. pixman applies the separable kernel
// as a full 2-D grid of taps, so SkaliereLanczos runs one pass per direction: far
// fewer taps, same result.
void SkaliereZeilen(QImage& quelle, QImage& ziel, int von, int bis) {
    PixmanBild quellbild = UmhuelleBild(quelle);
    PixmanBild zielbild = UmhuelleBild(ziel);
    const double sx = double(quelle.width()) / ziel.width();
    const double sy = double(quelle.height()) / ziel.height();
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
    pixman_image_composite32(PIXMAN_OP_SRC, quellbild.get(), nullptr, zielbild.get(), 0, von, 0, 0, 0, von,
                             ziel.width(), bis - von);
}

QImage Weiss(QSize groesse) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

// The target rows whose kernel reaches source rows `von` to `bis` (exclusive), with
// a margin of two rows for the kernel's phases; the rest sees only what lies outside.
std::pair<int, int> BetroffeneZeilen(int von, int bis, int quellHoehe, int zielHoehe) {
    const double skala = double(quellHoehe) / zielHoehe;
    const double reichweite = 3.0 * std::max(skala, 1.0) + 2.0;
    const int erste = int(std::floor((von - reichweite) / skala - 0.5));
    const int letzte = int(std::ceil((bis + reichweite) / skala + 0.5));
    return {std::clamp(erste, 0, zielHoehe), std::clamp(letzte, 0, zielHoehe)};
}

} // namespace

QImage SkaliereLanczos(const QImage& bild, QSize ziel) {
    return SkaliereLanczosAufWeiss(bild, ziel, bild.rect());
}

QImage SkaliereLanczosAufWeiss(const QImage& bild, QSize ziel, QRect inhalt) {
    if (ziel.isEmpty())
        return QImage(ziel, QImage::Format_RGB32);
    if (bild.isNull() || bild.width() <= 0 || bild.height() <= 0)
        return Weiss(ziel);
    // Our own copy: pixman reads through a pointer to writable bits.
    QImage quelle = bild.convertToFormat(QImage::Format_RGB32);
    quelle.detach();
    const QRect band = inhalt.intersected(quelle.rect());
    if (band.isEmpty())
        return Weiss(ziel);
    // Across: one row in gives one row out, so only the rows of the content are done.
    QImage waagrecht = Weiss(QSize(ziel.width(), quelle.height()));
    SkaliereZeilen(quelle, waagrecht, band.top(), band.bottom() + 1);
    // Down: only the target rows that reach into the content.
    QImage ergebnis = Weiss(ziel);
    const auto [erste, letzte] = BetroffeneZeilen(band.top(), band.bottom() + 1, quelle.height(), ziel.height());
    if (erste < letzte)
        SkaliereZeilen(waagrecht, ergebnis, erste, letzte);
    return ergebnis;
}

} // namespace senvio
