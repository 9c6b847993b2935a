#include "output/Seitenpdf.h"
#include "output/Kartenbilder.h"
#include "pdf/Bildvorlauf.h"
#include "pdf/BmpDatei.h"

#include "Fehlermeldung.h"

#include "pdf/PdfPruefung.h"

#include <QImage>
#include <QRegularExpression>

#include <libdeflate.h>

#include <atomic>
#include <cstdlib>
#include <thread>

namespace senvio {
namespace {

using namespace test;

// n pixels of the same bytes.
std::string Mal(int n, const std::string& pixel) {
    std::string bytes;
    for (int i = 0; i < n; ++i)
        bytes += pixel;
    return bytes;
}

class SeitenpdfTest : public PdfOrdnerTest {
protected:
    void SetUp() override {
        PdfOrdnerTest::SetUp();
        fs::create_directory(m_ordner / "Temp");
        m_auftrag = {QString::fromStdString((m_ordner / "Temp").string()),
                     QString::fromStdString((m_ordner / "Liste.pdf").string()), QStringLiteral("Küche (Kabel)")};
    }
    void SchreibeSeite(int nummer, const std::string& pixel, int breite, int hoehe) {
        const BildPixel bild{breite, hoehe, 4, 0, {reinterpret_cast<const std::uint8_t*>(pixel.data()), pixel.size()}};
        SchreibeBmp(Temp("DINA4_" + std::to_string(nummer) + ".bmp"), bild);
    }
    std::string Temp(const std::string& name) const { return (m_ordner / "Temp" / name).string(); }
    std::string Pdf() const { return m_auftrag.pdfDatei.toStdString(); }

    PdfAuftrag m_auftrag;
};

TEST_F(SeitenpdfTest, ZaehltNurDateienMitDina4UndPassenderEndung) {
    for (const char* name : {"DINA4_1.bmp", "dina4_2.BMP", "BildNr1_1.bmp", "DINA4_x.txt", "DINA4_9"})
        SchreibDatei(Temp(name), "x");
    fs::create_directory(Temp("DINA4_3.bmp"));
    EXPECT_EQ(ZaehleDateien(m_auftrag.tempOrdner, "*.bmp"), 2);
    EXPECT_EQ(ZaehleDateien(m_auftrag.tempOrdner, "*.txt"), 1);
}

// Each page: A4 paper, its 794 × 1122 units at 0.75 points each; the 966 × 1278 picture 6 units
// down, its cut lines (column 483, row 638) at 105 and 148 mm: 396.8504 units / 483.5 × 966 =
// 792.880 across; the paper's top 842 / 0.75 − 1122 = 0.6667 units above the units', so
// (559.3701 − 0.6667 − 6) / 638.5 × 1278 = 1106.272 down, 1122 − 6 − 1106.272 = 9.728 below; the
// credit line in Windows-1252, brackets escaped, at x = 4 and 794 / 2 + 4, baseline 1122 − 6; the rule at 1122 − 7.
TEST_F(SeitenpdfTest, JedeSeiteTraegtBildKreditzeileUndLinie) {
    SchreibeSeite(1, Mal(966 * 1278, {0, 0, char(200), 0}), 966, 1278); // blue, green, red, unused
    SchreibeSeite(2, Mal(966 * 1278, {char(200), 0, 0, 0}), 966, 1278);
    ErstelleDiePDF(m_auftrag);

    const PdfDatei pdf(Pdf(), 2);
    const std::string kredit = "(Erstellt mit dem Programm Senvio von den Senvio-Entwicklern - Name der Liste: K\xFC"
                               "che \\(Kabel\\)) Tj";
    for (int seite = 1; seite <= 2; ++seite)
        EXPECT_EQ(Entpacke(pdf.Stream(2 * seite)),
                  Zeilen({"0.75 0 0 0.75 0 0 cm", "q", "792.88 0 0 1106.272 0 9.728 cm",
                          "/Im" + std::to_string(seite) + " Do", "Q", "BT", "/F2 6 Tf", "4 1116 Td", kredit, "ET", "BT",
                          "/F2 6 Tf", "401 1116 Td", kredit, "ET", "1 w", "0 1115 m", "794 1115 l", "S"}))
            << "Seite " << seite;
    // Pictures 1 and 2 are objects 23 and 24, in page order, as red, green, blue bytes.
    EXPECT_TRUE(Entpacke(pdf.Stream(23)) == Mal(966 * 1278, {char(200), 0, 0}));
    EXPECT_TRUE(Entpacke(pdf.Stream(24)) == Mal(966 * 1278, {0, 0, char(200)}));
    EXPECT_NE(pdf.Bytes().find("/Title (Senvio-Liste 2.0)\r\n"), std::string::npos);
    EXPECT_NE(pdf.Bytes().find("/MediaBox [ 0 0 595 842]"), std::string::npos);
    EXPECT_EQ(pdf.Bytes().find("1122]"), std::string::npos);
    EXPECT_TRUE(Dateien().empty()) << "Zwischendateien geblieben";

    // A second run replaces the first; without page pictures the PDF has one empty page.
    fs::remove(Temp("DINA4_2.bmp"));
    ErstelleDiePDF(m_auftrag);
    EXPECT_EQ(PdfDatei(Pdf(), 1).Groesse(), 24);
    fs::remove(Temp("DINA4_1.bmp"));
    ErstelleDiePDF(m_auftrag);
    EXPECT_EQ(Entpacke(PdfDatei(Pdf(), 1).Stream(2)), "0.75 0 0 0.75 0 0 cm\r\n");
}

// Printed at 100 %, the middle of each cut line stands 105 mm from the sheet's left and 148 mm
// from its top edge, for every layout and number of cards: the lines are found in the page
// picture by their colour, their place on paper follows from the picture's matrix.
TEST_F(SeitenpdfTest, SchnittlinienBei105Und148MillimeternInJederAufteilung) {
    const QRegularExpression matrix(QStringLiteral(R"(\nq\r\n([\d.]+) 0 0 ([\d.]+) ([\d.]+) ([\d.]+) cm)"));
    for (const Ausgabeart art : {Ausgabeart::ObenGeheftet, Ausgabeart::LinksGeheftet, Ausgabeart::Doppelhuellen})
        for (int anzahl = 1; anzahl <= 4; ++anzahl) {
            SCOPED_TRACE(std::to_string(int(art)) + " mit " + std::to_string(anzahl));
            std::array<QImage, KartenJeSeite> karten;
            for (int k = 0; k < anzahl; ++k)
                (karten[size_t(k)] = QImage(KartenBreite, KartenHoehe, QImage::Format_RGB32)).fill(Qt::white);
            const QImage seite = SetzeSeiteZusammen(art, karten);
            // The dotted lines have a dot in every three pixels.
            const auto farbig = [&seite](int x, int y) { return qRed(seite.pixel(x, y)) != qBlue(seite.pixel(x, y)); };
            int spalte = -1, reihe = -1;
            for (int x = 0; x < seite.width() && spalte < 0; ++x)
                spalte = farbig(x, 0) || farbig(x, 1) || farbig(x, 2) ? x : -1;
            for (int y = 0; y < seite.height() && reihe < 0; ++y)
                reihe = farbig(0, y) || farbig(1, y) || farbig(2, y) ? y : -1;
            ASSERT_GE(spalte, 0);
            SchreibeSeite(1, std::string(reinterpret_cast<const char*>(seite.constBits()), seite.sizeInBytes()),
                          seite.width(), seite.height());
            ErstelleDiePDF(m_auftrag);
            const auto m = matrix.match(QString::fromLatin1(Entpacke(PdfDatei(Pdf(), 1).Stream(2))));
            ASSERT_TRUE(m.hasMatch());
            const double a = m.captured(1).toDouble(), d = m.captured(2).toDouble();
            const double e = m.captured(3).toDouble(), f = m.captured(4).toDouble();
            const double mmJePunkt = 25.4 / 72;
            EXPECT_NEAR((e + a * (spalte + 0.5) / seite.width()) * 0.75 * mmJePunkt, 105, 0.3);
            // A sheet of one row has no line across.
            if (reihe >= 0)
                EXPECT_NEAR((842 - 0.75 * (f + d * (1 - (reihe + 0.5) / seite.height()))) * mmJePunkt, 148, 0.3);
            else
                EXPECT_TRUE(art == Ausgabeart::Doppelhuellen && anzahl == 1);
        }
}

TEST_F(SeitenpdfTest, FehlerLassenDieAltePdfGanz) {
    SchreibDatei(Pdf(), "alte PDF");
    SchreibeSeite(1, Mal(8, {1, 2, 3, 0}), 4, 2);
    SchreibDatei(Temp("dina4_2.BMP"), "x"); // counted, but DINA4_2.bmp is missing
    EXPECT_EQ(Meldung([&] { ErstelleDiePDF(m_auftrag); }),
              "Datei " + m_auftrag.tempOrdner + "/DINA4_2.bmp kann nicht geöffnet werden");
    EXPECT_EQ(LiesDatei(Pdf()), "alte PDF");
    EXPECT_TRUE(Dateien().empty()) << "Zwischendateien geblieben";

    fs::remove(Temp("dina4_2.BMP"));
    m_auftrag.pdfDatei = QString::fromStdString((m_ordner / "fehlt" / "Liste.pdf").string());
    EXPECT_EQ(Meldung([&] { ErstelleDiePDF(m_auftrag); }),
              "Datei: Datei " + m_auftrag.pdfDatei + " kann nicht erstellt werden");
    EXPECT_TRUE(Dateien().empty()) << "Zwischendateien geblieben";
}

// Memory runs out for the second page picture (libdeflate's allocator is the seam), when the first
// is already staged. Nothing is left: no PDF, no half-written one beside it, no staging file.
TEST_F(SeitenpdfTest, SeitenbildOhneSpeicherHinterlaesstKeineDatei) {
    for (int seite = 1; seite <= 3; ++seite)
        SchreibeSeite(seite, Mal(40 * 30, {1, 2, 3, 0}), 40, 30);
    static std::thread::id hauptfaden;
    static std::atomic<int> frei; // compressors the worker may still have
    hauptfaden = std::this_thread::get_id();
    frei = 1;
    libdeflate_set_memory_allocator(
        [](size_t n) { return std::this_thread::get_id() == hauptfaden || frei-- > 0 ? std::malloc(n) : nullptr; },
        std::free);
    Bildvorlauf einArbeiter(true, 1);
    m_auftrag.vorlauf = &einArbeiter;
    EXPECT_EQ(Meldung([&] { ErstelleDiePDF(m_auftrag); }),
              "Zu wenig Arbeitsspeicher, um die PDF-Datei zu komprimieren");
    libdeflate_set_memory_allocator(std::malloc, std::free);
    EXPECT_FALSE(fs::exists(Pdf()));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_ordner), {}), 2); // Temp and arbeit
    EXPECT_TRUE(Dateien().empty()) << "Zwischendateien geblieben";
}

} // namespace
} // namespace senvio
