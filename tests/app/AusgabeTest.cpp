// The print and picture commands of the main window.
#include "ProgrammOrdnerFixture.h"
#include "pdf/PdfPruefung.h"

using namespace senvio;
using namespace senvio::test;

using Ausgabe = ProgrammOrdnerTest;

TEST_F(Ausgabe, DruckenUndBildOeffnenIhreDateien) {
    StarteMit(ListeMit(16), u"Liste"_s);
    Ansicht().WaehleZeile(2);
    Befehl("DruckenOben1");
    const QString pdf = Pfad(u"Senvio-Listen/Liste.pdf"_s);
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), QStringList{pdf});
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
    EXPECT_TRUE(Lies(pdf).startsWith("%PDF-1.4"));
    EXPECT_FALSE(Ansicht().selectionModel()->hasSelection());
    // No entry is left selected.
    Ansicht().WaehleZeile(0);
    Befehl("PNGDatei1");
    const QString png = Pfad(u"Senvio-Listen/Liste.png"_s);
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), QStringList({pdf, png}));
    EXPECT_EQ(QImage(png).size(), QSize(478, 2 * 634));
    EXPECT_FALSE(Ansicht().selectionModel()->hasSelection());
}

TEST_F(Ausgabe, LeereListe) {
    StarteMit(ListeMit(0), u"Liste"_s);
    // No picture and nothing opened, which the user is told; the PDF has its one empty page and is opened.
    Befehl("JPEGDatei1");
    EXPECT_FALSE(QFileInfo::exists(Pfad(u"Senvio-Listen/Liste.jpg"_s)));
    EXPECT_TRUE(Dialoge::GeoeffneteDokumente().isEmpty());
    EXPECT_EQ(Meldungen(), QStringList{u"Information: Die Liste ist leer. Es wurde kein Bild gespeichert."_s});
    Befehl("DruckenDoppel1");
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), QStringList{Pfad(u"Senvio-Listen/Liste.pdf"_s)});
}

// 60 entries make a 966 × 1278 page picture, placed 794 × 1116 below the top strip: the A4 page as at 96 dots per inch
// (put on A4 paper at 0.75 points a unit),
// also on a screen of more (ctest runs this again with the font DPI at 120 and no scaling).
TEST_F(Ausgabe, DruckseiteFuelltDasBlattAufJedemSchirm) {
    if (const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI")) {
        ASSERT_EQ(QGuiApplication::primaryScreen()->logicalDotsPerInch(), dpi);
    }
    StarteMit(ListeMit(60), u"Liste"_s);
    Befehl("DruckenDoppel1");
    // The first stream is page 1's content; its data runs up to "endstream".
    const std::string pdf = Lies(Pfad(u"Senvio-Listen/Liste.pdf"_s)).toStdString();
    const std::size_t daten = pdf.find("stream\r\n") + 8;
    const std::string inhalt = Entpacke(std::string_view(pdf).substr(daten, pdf.find("endstream", daten) - daten));
    EXPECT_TRUE(inhalt.starts_with(Zeilen({"0.75 0 0 0.75 0 0 cm", "q", "794 0 0 1116 0 0 cm", "/Im1 Do"})))
        << inhalt.substr(0, 60);
}

TEST_F(Ausgabe, KarteNichtSchreibbar) {
    // A card that cannot be written ends the command in the error box, with no viewer.
    StarteMit(ListeMit(1), u"Liste"_s);
    ASSERT_TRUE(QDir(Pfad(u"Senvio-Listen/Temp"_s)).removeRecursively());
    Schreib(Pfad(u"Senvio-Listen/Temp"_s), "kein Ordner");
    Befehl("DruckenLinks1");
    EXPECT_EQ(Meldungen(), QStringList{u"Senvio-Liste: Datei "_s + Pfad(u"Senvio-Listen/Temp/BildNr1_1.bmp"_s) +
                                       u" kann nicht erstellt werden."_s});
    EXPECT_TRUE(Dialoge::GeoeffneteDokumente().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Pfad(u"Senvio-Listen/Liste.pdf"_s)));
    // A run that fails late (the PDF cannot take the place of a folder) leaves no card or page behind.
    ASSERT_TRUE(QFile::remove(Pfad(u"Senvio-Listen/Temp"_s)) && QDir().mkpath(Pfad(u"Senvio-Listen/Liste.pdf/x"_s)));
    ASSERT_TRUE(QDir().mkpath(Pfad(u"Senvio-Listen/Temp"_s)));
    Befehl("DruckenLinks1");
    EXPECT_EQ(Meldungen().size(), 2);
    EXPECT_TRUE(QDir(Pfad(u"Senvio-Listen/Temp"_s)).isEmpty(QDir::Files));
}
