#include "view/PngBild.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include "PngTestDateien.h"
#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

namespace {

const PngVorlage ZweiPixel{.breite = 2, .zeilen = {Bytes({10, 20, 30, 40, 50, 60})}};

// 1-bit grey, white only in the first pixel: pictures at the caps stay small as files.
PngVorlage GrauMitEinemBit(int breite, int hoehe) {
    PngVorlage v{.farbtyp = PNG_COLOR_TYPE_GRAY, .bittiefe = 1, .breite = breite};
    v.zeilen.assign(size_t(hoehe), QByteArray((breite + 7) / 8, '\0'));
    v.zeilen[0][0] = char(0x80);
    return v;
}

// The file with another size in its header, and the header's CRC made to fit again.
QByteArray MitGroesse(QByteArray datei, quint32 breite, quint32 hoehe) {
    qToBigEndian(breite, datei.data() + 16);
    qToBigEndian(hoehe, datei.data() + 20);
    qToBigEndian(quint32(crc32(0, reinterpret_cast<const Bytef*>(datei.constData() + 12), 17)), datei.data() + 29);
    return datei;
}

} // namespace

TEST(PngFehler, KaputteUndZuGrosseDateienGebenKeinBild) {
    // Signature, header up to byte 33, then the one pixel data chunk, then the 12 bytes of IEND.
    const QByteArray gut = SchreibePng(ZweiPixel);
    ASSERT_EQ(gut.mid(37, 4), "IDAT");
    ASSERT_EQ(Zeile(DekodierePng(gut), 0), (std::vector<Farbe>{{10, 20, 30}, {40, 50, 60}}));
    QByteArray falscheSumme = gut;
    falscheSumme[gut.size() - 13] = char(gut[gut.size() - 13] ^ 1); // last byte of the pixel data's CRC
    const struct {
        const char* name;
        QByteArray datei;
    } faelle[] = {
        {"leer", {}},
        {"kein PNG", "GIF89a"},
        {"abgeschnitten in den Pixeldaten", gut.left((41 + gut.size() - 16) / 2)},
        {"falsche Prüfsumme", falscheSumme},
        {"riesige Größe im Kopf", MitGroesse(gut, 100000, 100000)},
        {"breiter als 16384", SchreibePng(GrauMitEinemBit(16385, 1))},
        {"mehr als 2^25 Pixel", SchreibePng(GrauMitEinemBit(16384, 2049))},
    };
    testing::internal::CaptureStderr();
    for (const auto& f : faelle) {
        EXPECT_TRUE(DekodierePng(f.datei).isNull()) << f.name;
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "libpng meldet sich nicht auf stderr";
}

TEST(PngFehler, BildGenauAnDenGrenzenWirdGelesen) {
    // 16384 × 2048 = 2^25 pixels: one row less than the refused picture above.
    const QImage bild = DekodierePng(SchreibePng(GrauMitEinemBit(16384, 2048)));
    ASSERT_EQ(bild.size(), QSize(16384, 2048));
    EXPECT_EQ(bild.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(bild.pixel(16383, 2047), qRgb(0, 0, 0));
}

TEST(PngDatei, LiestNurGewoehnlicheDateien) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString logo = dir.filePath(QStringLiteral("Süd Welle.png"));
    Schreib(logo, SchreibePng(ZweiPixel));
    EXPECT_EQ(Zeile(LesePngDatei(logo), 0), (std::vector<Farbe>{{10, 20, 30}, {40, 50, 60}}));
    // A pipe is never opened: reading it would wait for a writer.
    const QString rohr = dir.filePath(QStringLiteral("rohr.png"));
    ASSERT_EQ(mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
    for (const QString& pfad : {dir.filePath(QStringLiteral("fehlt.png")), dir.path(), rohr}) {
        EXPECT_TRUE(LesePngDatei(pfad).isNull()) << pfad.toStdString();
    }
}
