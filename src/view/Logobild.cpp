#include "view/Logobild.h"

#include <QPainter>

#include <pixman.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

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

// Lanczos as the sampling kernel when shrinking (its width grows with the scale),
// as the reconstruction kernel when enlarging.
void SetzeLanczosFilter(pixman_image_t* quelle, double sx, double sy) {
    const bool verkleinern = sx >= 1.0 || sy >= 1.0;
    const pixman_kernel_t rekonstruktion = verkleinern ? PIXMAN_KERNEL_IMPULSE : PIXMAN_KERNEL_LANCZOS3;
    const pixman_kernel_t abtastung = verkleinern ? PIXMAN_KERNEL_LANCZOS3 : PIXMAN_KERNEL_IMPULSE;
    int anzahl = 0;
    pixman_fixed_t* parameter = pixman_filter_create_separable_convolution(
        &anzahl, pixman_double_to_fixed(std::max(sx, 1.0)), pixman_double_to_fixed(std::max(sy, 1.0)), rekonstruktion,
        rekonstruktion, abtastung, abtastung, 4, 4);
    pixman_image_set_filter(quelle, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, parameter, anzahl);
    std::free(parameter);
}

} // namespace

QImage SkaliereLanczos(const QImage& bild, QSize ziel) {
    QImage ergebnis(ziel, QImage::Format_RGB32);
    if (ziel.isEmpty())
        return ergebnis;
    if (bild.isNull() || bild.width() <= 0 || bild.height() <= 0) {
        ergebnis.fill(Qt::white);
        return ergebnis;
    }
    QImage quelle = bild.convertToFormat(QImage::Format_RGB32);
    PixmanBild q = UmhuelleBild(quelle);
    PixmanBild z = UmhuelleBild(ergebnis);
    const double sx = double(quelle.width()) / ziel.width();
    const double sy = double(quelle.height()) / ziel.height();
    pixman_transform_t transformation;
    pixman_transform_init_scale(&transformation, pixman_double_to_fixed(sx), pixman_double_to_fixed(sy));
    pixman_image_set_transform(q.get(), &transformation);
    SetzeLanczosFilter(q.get(), sx, sy);
    // Edge pixels repeat outward, so the kernel does not pull black in at the borders.
    pixman_image_set_repeat(q.get(), PIXMAN_REPEAT_PAD);
    pixman_image_composite32(PIXMAN_OP_SRC, q.get(), nullptr, z.get(), 0, 0, 0, 0, 0, 0, ziel.width(), ziel.height());
    return ergebnis;
}

} // namespace senvio
