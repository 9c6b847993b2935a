#include "output/Bildschreiber.h"

#include "Fehlermeldung.h"
#include "TestDateien.h"
#include "pdf/PdfPruefung.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <random>

namespace senvio {
namespace {

using namespace test;

// Strips with pixels that do not compress, so the PNG's data spans several IDAT chunks.
QImage Rauschen(int breite, int hoehe, QImage::Format format, unsigned saat) {
    QImage bild(breite, hoehe, format);
    std::mt19937 zufall(saat);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, 0xFF000000u | (zufall() & 0xFFFFFFu));
    return bild;
}

QImage Verlauf(int breite, int hoehe, int ab) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb(x * 4, (ab + y) * 4, 128));
    return bild;
}

QByteArray RgbBytes(const QImage& bild) {
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB888);
    QByteArray bytes;
    for (int y = 0; y < rgb.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
    return bytes;
}

class BildschreiberTest : public ::testing::Test {
protected:
    QString Pfad(const QString& name) const { return m_ordner.filePath(name); }
    QStringList Dateien() const { return QDir(m_ordner.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir m_ordner;
};

TEST_F(BildschreiberTest, PngIstRgbMitFilterSubInKleinenIdatChunks) {
    const int breite = 300;
    const QImage oben = Rauschen(breite, 150, QImage::Format_RGB32, 1);
    const QImage unten = Rauschen(breite, 107, QImage::Format_RGB888, 2);
    Bildschreiber schreiber(Pfad("liste.png"), Bildformat::Png, breite, 257);
    schreiber.SchreibeStreifen(oben);
    schreiber.SchreibeStreifen(unten);
    schreiber.Schliesse();

    const QByteArray png = Lies(Pfad("liste.png"));
    ASSERT_EQ(png.left(8), QByteArray("\x89PNG\r\n\x1a\n"));
    QStringList typen;
    QByteArray ihdr, idat;
    for (qsizetype stelle = 8; stelle + 12 <= png.size();) {
        const quint32 laenge = qFromBigEndian<quint32>(png.constData() + stelle);
        const QByteArray typ = png.mid(stelle + 4, 4);
        typen << QString::fromLatin1(typ);
        if (typ == "IHDR")
            ihdr = png.mid(stelle + 8, laenge);
        if (typ == "IDAT") {
            EXPECT_LE(laenge, 65535u);
            idat += png.mid(stelle + 8, laenge);
        }
        stelle += 12 + qsizetype(laenge);
    }
    // 257 rows of 1 + 900 bytes of noise need at least four chunks; no tRNS, no other chunk.
    ASSERT_GE(typen.size(), 6);
    EXPECT_EQ(typen, QStringList{"IHDR"} + QStringList(typen.size() - 2, "IDAT") + QStringList{"IEND"});
    // Width, height, depth 8, colour type 2, compression 0, filter method 0, no interlace.
    EXPECT_EQ(ihdr, Bytes({0, 0, 1, 44, 0, 0, 1, 1, 8, 2, 0, 0, 0}));
    // The zlib header's FLEVEL bits are 3 for levels 7 to 9 (the default level 6 gives 2).
    EXPECT_EQ(quint8(idat.at(1)) >> 6, 3);
    // Every row starts with filter byte 1 (each byte stored as its difference to the left pixel's).
    const std::string daten = Entpacke(std::string_view(idat.constData(), std::size_t(idat.size())));
    ASSERT_EQ(daten.size(), 257u * 901u);
    for (int y = 0; y < 257; ++y)
        EXPECT_EQ(daten[std::size_t(y) * 901], 1) << "Zeile " << y;
    EXPECT_TRUE(RgbBytes(QImage(Pfad("liste.png"))) == RgbBytes(oben) + RgbBytes(unten));
    EXPECT_EQ(Dateien(), QStringList{"liste.png"});
}

TEST_F(BildschreiberTest, JpegIstBaselineMitQualitaet90) {
    const QImage oben = Verlauf(64, 40, 0);
    const QImage unten = Verlauf(64, 24, 40);
    Bildschreiber schreiber(Pfad("liste.jpg"), Bildformat::Jpeg, 64, 64);
    schreiber.SchreibeStreifen(oben);
    schreiber.SchreibeStreifen(unten);
    schreiber.Schliesse();

    const QByteArray jpeg = Lies(Pfad("liste.jpg"));
    ASSERT_EQ(jpeg.left(2), Bytes({0xFF, 0xD8}));
    QList<int> marken;
    QList<QByteArray> tabellen(2);
    QByteArray rahmen;
    for (qsizetype stelle = 2; stelle + 4 <= jpeg.size() && marken.value(marken.size() - 1) != 0xDA;) {
        ASSERT_EQ(quint8(jpeg[stelle]), 0xFF);
        const int marke = quint8(jpeg[stelle + 1]);
        const int laenge = qFromBigEndian<quint16>(jpeg.constData() + stelle + 2);
        const QByteArray daten = jpeg.mid(stelle + 4, laenge - 2);
        marken << marke;
        if (marke == 0xC0)
            rahmen = daten;
        for (qsizetype t = 0; marke == 0xDB && t + 65 <= daten.size(); t += 65) {
            ASSERT_LT(quint8(daten[t]), 2) << "nur 8-Bit-Tabellen 0 und 1";
            tabellen[daten[t]] = daten.mid(t + 1, 64);
        }
        stelle += 2 + laenge;
    }
    EXPECT_FALSE(marken.contains(0xC2));
    // Precision 8, height 64, width 64, three components.
    EXPECT_EQ(rahmen.left(6), Bytes({8, 0, 64, 0, 64, 3}));
    // Quality 90 scales the standard tables to 20 %, (t · 20 + 50) / 100: in zigzag order
    // the luminance's 16, 11, 12, 14 become 3, 2, 2, 3, its last 99 is 20; the
    // chrominance's 17, 18, 18, 24 become 3, 4, 4, 5, its 47 at place 6 is 9.
    EXPECT_EQ(tabellen[0].left(4) + tabellen[0].right(1), Bytes({3, 2, 2, 3, 20}));
    EXPECT_EQ(tabellen[1].left(4) + tabellen[1].mid(6, 1), Bytes({3, 4, 4, 5, 9}));

    const QByteArray gelesen = RgbBytes(QImage(Pfad("liste.jpg")));
    const QByteArray erwartet = RgbBytes(oben) + RgbBytes(unten);
    ASSERT_EQ(gelesen.size(), erwartet.size());
    long summe = 0;
    for (qsizetype i = 0; i < erwartet.size(); ++i)
        summe += std::abs(quint8(gelesen[i]) - quint8(erwartet[i]));
    EXPECT_LT(double(summe) / double(erwartet.size()), 2.0);
}

TEST_F(BildschreiberTest, ZuGrossFuerDasFormatWirdAbgelehntOhneDatei) {
    EXPECT_EQ(Meldung([&] { Bildschreiber(Pfad("liste.jpg"), Bildformat::Jpeg, 478, 65536); }),
              "Ein JPEG-Bild kann höchstens 65500 Pixel hoch sein, diese Liste ergäbe 65536 Pixel. Als "
              "\"PNG-Datei\" lässt sie sich speichern.");
    // libjpeg's own limit on the width lies a little below the format's.
    EXPECT_THROW(Bildschreiber(Pfad("liste.jpg"), Bildformat::Jpeg, 65501, 634), Fehler);
    EXPECT_EQ(Meldung([&] { Bildschreiber(Pfad("liste.png"), Bildformat::Png, 478, 1'000'001); }),
              "Ein PNG-Bild kann höchstens 1000000 Pixel hoch sein, diese Liste ergäbe 1000001 Pixel.");
    EXPECT_TRUE(Dateien().isEmpty());
    // Just within the limits: begun, then given up, which leaves nothing either.
    Bildschreiber(Pfad("liste.jpg"), Bildformat::Jpeg, 478, 65500);
    Bildschreiber(Pfad("liste.png"), Bildformat::Png, 478, 1'000'000);
    EXPECT_TRUE(Dateien().isEmpty());
}

TEST_F(BildschreiberTest, FehlerLassenDieAlteDateiGanz) {
    const QString fehlt = Pfad("fehlt/liste.png");
    EXPECT_EQ(Meldung([&] { Bildschreiber(fehlt, Bildformat::Png, 10, 10); }),
              "Datei: Datei " + fehlt + " kann nicht erstellt werden");

    const QByteArray alt("alter Inhalt");
    for (const auto& [name, format] : {std::pair{"liste.png", Bildformat::Png}, {"liste.jpg", Bildformat::Jpeg}}) {
        SCOPED_TRACE(name);
        Schreib(Pfad(name), alt);
        const QImage streifen = Rauschen(300, 200, QImage::Format_RGB32, 3);
        { // given up half way
            Bildschreiber schreiber(Pfad(name), format, 300, 400);
            schreiber.SchreibeStreifen(streifen);
        }
        { // a strip of the wrong width, then one too many, then too few rows
            Bildschreiber schreiber(Pfad(name), format, 300, 250);
            EXPECT_THROW(schreiber.SchreibeStreifen(streifen.copy(0, 0, 299, 10)), Fehler);
            schreiber.SchreibeStreifen(streifen);
            EXPECT_THROW(schreiber.SchreibeStreifen(streifen), Fehler);
            EXPECT_THROW(schreiber.Schliesse(), Fehler);
        }
        // The disk takes no more than 4 KiB, or 20 bytes of a picture that is all in the file's buffer until the end.
        for (const auto& [grenzeBytes, seite] : {std::pair{4096, 200}, {20, 8}}) {
            const Dateigrenze grenze(grenzeBytes);
            Bildschreiber schreiber(Pfad(name), format, 300, seite);
            EXPECT_THROW(
                {
                    schreiber.SchreibeStreifen(streifen.copy(0, 0, 300, seite));
                    schreiber.Schliesse();
                },
                DateiFehler);
        }
        EXPECT_EQ(Lies(Pfad(name)), alt);
        EXPECT_EQ(Dateien(), QStringList{name});
        QFile::remove(Pfad(name));
    }
}

} // namespace
} // namespace senvio
