#include "view/PngBild.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include "PngTestDateien.h"
#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

namespace {

// A 32 × 32 RGB picture of scattered colours, so its IDAT is a few kilobytes long.
PngVorlage BunteVorlage() {
    PngVorlage v;
    v.breite = 32;
    v.hoehe = 32;
    quint32 z = 12345;
    for (int y = 0; y < v.hoehe; ++y) {
        QByteArray zeile;
        for (int i = 0; i < 3 * v.breite; ++i) {
            z = z * 1103515245u + 12345u;
            zeile.append(char(z >> 24));
        }
        v.zeilen.push_back(zeile);
    }
    return v;
}

// Offset of the chunk's length field; -1 when the file has no such chunk.
qsizetype ChunkAnfang(const QByteArray& datei, const char* typ) {
    qsizetype pos = 8;
    while (pos + 8 <= datei.size()) {
        const auto* b = reinterpret_cast<const unsigned char*>(datei.constData() + pos);
        const quint32 laenge = quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | b[3];
        if (datei.mid(pos + 4, 4) == QByteArray(typ, 4)) {
            return pos;
        }
        pos += 12 + qsizetype(laenge);
    }
    return -1;
}

// The deflated rows: each row is filter byte 0 followed by its samples.
QByteArray Komprimiert(const QByteArray& roh) {
    uLongf laenge = compressBound(uLong(roh.size()));
    QByteArray aus(qsizetype(laenge), '\0');
    EXPECT_EQ(compress(reinterpret_cast<Bytef*>(aus.data()), &laenge, reinterpret_cast<const Bytef*>(roh.constData()),
                       uLong(roh.size())),
              Z_OK);
    aus.resize(qsizetype(laenge));
    return aus;
}

// An 8-bit RGB file put together by hand; its pixel data is one row of zeros.
QByteArray HandgemachtesPng(quint32 breite, quint32 hoehe) {
    const QByteArray zeile = QByteArray(1 + 3 * qsizetype(std::min<quint32>(breite, 100000)), '\0');
    return PngSignatur() + Chunk("IHDR", IhdrDaten(breite, hoehe)) + Chunk("IDAT", Komprimiert(zeile)) +
           Chunk("IEND", {});
}

void KippeByte(QByteArray& datei, qsizetype pos) {
    datei[pos] = char(datei[pos] ^ 0x01);
}

} // namespace

TEST(PngFehler, KeinPng) {
    EXPECT_TRUE(DekodierePng(QByteArray()).isNull());
    EXPECT_TRUE(DekodierePng("GIF89a\x01\x00\x01\x00").isNull());
    EXPECT_TRUE(DekodierePng(PngSignatur()).isNull());
    EXPECT_TRUE(DekodierePng(PngSignatur() + Chunk("IHDR", IhdrDaten(1, 1)) + Chunk("IEND", {})).isNull());
    // A header that libpng refuses: bit depth 3.
    QByteArray ihdr = IhdrDaten(1, 1);
    ihdr[8] = 3;
    EXPECT_TRUE(DekodierePng(PngSignatur() + Chunk("IHDR", ihdr) + Chunk("IEND", {})).isNull());
}

TEST(PngFehler, HandgemachteDateiIstGueltig) {
    // Proof for the oversized cases below: the same construction with a sane size decodes.
    const QByteArray roh = Bytes({0, 1, 2, 3, 4, 5, 6});
    const QByteArray datei =
        PngSignatur() + Chunk("IHDR", IhdrDaten(2, 1)) + Chunk("IDAT", Komprimiert(roh)) + Chunk("IEND", {});
    const QImage bild = DekodierePng(datei);
    ASSERT_EQ(bild.size(), QSize(2, 1));
    EXPECT_EQ(Farbe(bild.pixel(0, 0)), Farbe(1, 2, 3));
    EXPECT_EQ(Farbe(bild.pixel(1, 0)), Farbe(4, 5, 6));
    EXPECT_FALSE(DekodierePng(HandgemachtesPng(7, 1)).isNull());
}

TEST(PngFehler, AbgeschnitteneDatei) {
    const QByteArray datei = SchreibePng(BunteVorlage());
    const qsizetype iend = ChunkAnfang(datei, "IEND");
    ASSERT_GT(iend, 1000);
    ASSERT_FALSE(DekodierePng(datei).isNull());
    // Every cut before the end of the pixel data fails. The end chunk itself is not
    // waited for: a file cut only there still shows its picture.
    for (qsizetype laenge = 0; laenge < iend; ++laenge) {
        ASSERT_TRUE(DekodierePng(datei.left(laenge)).isNull()) << "abgeschnitten nach " << laenge;
    }
    EXPECT_FALSE(DekodierePng(datei.left(iend)).isNull());
}

TEST(PngFehler, FalschePruefsummen) {
    const QByteArray gut = SchreibePng(BunteVorlage());
    const qsizetype idat = ChunkAnfang(gut, "IDAT");
    ASSERT_GT(idat, 0);

    QByteArray kopf = gut;
    KippeByte(kopf, 8 + 8 + 13); // last byte of the header's CRC
    EXPECT_TRUE(DekodierePng(kopf).isNull());

    QByteArray daten = gut;
    KippeByte(daten, ChunkAnfang(gut, "IEND") - 1); // last byte of the data's CRC
    EXPECT_TRUE(DekodierePng(daten).isNull());

    QByteArray inhalt = gut;
    KippeByte(inhalt, idat + 8 + 40); // a byte of the compressed pixels; the CRC no longer fits either
    EXPECT_TRUE(DekodierePng(inhalt).isNull());
}

TEST(PngFehler, UebergrosseBilderOhneSpeicher) {
    // Refused on reading the header, before the pixel memory would be allocated.
    EXPECT_TRUE(DekodierePng(HandgemachtesPng(100000, 100000)).isNull());
    EXPECT_TRUE(DekodierePng(HandgemachtesPng(16385, 1)).isNull());
    EXPECT_TRUE(DekodierePng(HandgemachtesPng(1, 16385)).isNull());
    // Past 2^31 bytes for a row of 16-bit RGBA the limits of libpng itself apply.
    EXPECT_TRUE(DekodierePng(HandgemachtesPng(0x7FFFFFFF, 1)).isNull());
}

TEST(PngFehler, BilderAnDenGrenzen) {
    PngVorlage breit;
    breit.breite = 16384;
    breit.zeilen = {QByteArray(3 * 16384, '\x40')};
    const QImage b = DekodierePng(SchreibePng(breit));
    ASSERT_EQ(b.size(), QSize(16384, 1));
    EXPECT_EQ(Farbe(b.pixel(16383, 0)), Farbe(64, 64, 64));

    // Exactly 2^25 pixels, 1-bit grey: only the very first pixel is white.
    PngVorlage gross;
    gross.farbtyp = PNG_COLOR_TYPE_GRAY;
    gross.bittiefe = 1;
    gross.breite = 16384;
    gross.hoehe = 2048;
    gross.zeilen.assign(2048, QByteArray(2048, '\0'));
    gross.zeilen[0][0] = char(0x80);
    const QImage g = DekodierePng(SchreibePng(gross));
    ASSERT_EQ(g.size(), QSize(16384, 2048));
    EXPECT_EQ(Farbe(g.pixel(0, 0)), Farbe(255, 255, 255));
    EXPECT_EQ(Farbe(g.pixel(1, 0)), Farbe(0, 0, 0));
    EXPECT_EQ(Farbe(g.pixel(16383, 2047)), Farbe(0, 0, 0));

    // One row more, 2^25 + 16384 pixels: each side is allowed, the total is not.
    gross.hoehe = 2049;
    gross.zeilen.push_back(QByteArray(2048, '\0'));
    const QByteArray zuGross = SchreibePng(gross);
    ASSERT_FALSE(zuGross.isEmpty());
    EXPECT_TRUE(DekodierePng(zuGross).isNull());
}

TEST(PngFehler, NichtsAufStderr) {
    // An ancillary chunk of our own with a wrong CRC: libpng warns and skips it.
    const QByteArray gut = SchreibePng(BunteVorlage());
    const qsizetype idat = ChunkAnfang(gut, "IDAT");
    QByteArray privat = Chunk("prIv", "hallo");
    KippeByte(privat, privat.size() - 1);
    const QByteArray mitWarnung = gut.left(idat) + privat + gut.mid(idat);
    QByteArray kaputt = gut;
    KippeByte(kaputt, 8 + 8 + 13);

    testing::internal::CaptureStderr();
    const QImage trotzWarnung = DekodierePng(mitWarnung);
    const QImage mitFehler = DekodierePng(kaputt);
    const std::string ausgabe = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ausgabe, "");
    EXPECT_FALSE(trotzWarnung.isNull());
    EXPECT_EQ(trotzWarnung.pixel(5, 5), DekodierePng(gut).pixel(5, 5));
    EXPECT_TRUE(mitFehler.isNull());
}

TEST(PngDatei, LiestNurGewoehnlicheDateien) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PngVorlage v;
    v.breite = 2;
    v.zeilen = {Bytes({10, 20, 30, 40, 50, 60})};
    const QString logo = dir.filePath(QStringLiteral("Süd Welle.png"));
    Schreib(logo, SchreibePng(v));

    const QImage bild = LesePngDatei(logo);
    ASSERT_EQ(bild.size(), QSize(2, 1));
    EXPECT_EQ(Farbe(bild.pixel(1, 0)), Farbe(40, 50, 60));

    const QString verweis = dir.filePath(QStringLiteral("verweis.png"));
    ASSERT_TRUE(QFile::link(logo, verweis));
    EXPECT_EQ(LesePngDatei(verweis).size(), QSize(2, 1));

    EXPECT_TRUE(LesePngDatei(dir.filePath(QStringLiteral("fehlt.png"))).isNull());
    EXPECT_TRUE(LesePngDatei(dir.path()).isNull());
    EXPECT_TRUE(LesePngDatei(QString()).isNull());
    const QString leer = dir.filePath(QStringLiteral("leer.png"));
    Schreib(leer, QByteArray());
    EXPECT_TRUE(LesePngDatei(leer).isNull());
    const QString text = dir.filePath(QStringLiteral("text.png"));
    Schreib(text, "kein Bild");
    EXPECT_TRUE(LesePngDatei(text).isNull());
    // A pipe is never opened: reading it would wait for a writer.
    const QString rohr = dir.filePath(QStringLiteral("rohr.png"));
    ASSERT_EQ(mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
    EXPECT_TRUE(LesePngDatei(rohr).isNull());
}
