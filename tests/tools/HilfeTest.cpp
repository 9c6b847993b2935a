// The help generator: measuring, wrapping and converting text by hand-worked values, its
// markup, and the document the build sets, checked with qpdf and poppler's tools.
#include "HilfeFehler.h"
#include "Hilfequelle.h"
#include "Schriftmasse.h"
#include "Umbruch.h"
#include "Windows1252.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include "TestDateien.h"

using namespace senvio::hilfe;
using namespace senvio::test;
using namespace Qt::StringLiterals;
using namespace testing;

using Zeilen = std::vector<std::string>;

TEST(Hilfesatz, BreitenUmbruchUndZeichensatz) {
    // S 667 + e 556 + n 556 + v 500 + i 222 + o 556 = 3057 thousandths.
    EXPECT_DOUBLE_EQ(Textbreite("Senvio", Schrift::Helvetica, 10), 30.57);
    // Bold: H 722 + ü 611 + l 278 + l 278 + e 556 = 2445. Octal escapes end after three
    // digits, so a letter may follow them.
    EXPECT_DOUBLE_EQ(Textbreite("H\374lle", Schrift::HelveticaFett, 10), 24.45);
    // The Windows-1252 codes of the quotes and the bullet: „ 333, “ 333, • 350.
    EXPECT_DOUBLE_EQ(Textbreite("\x84\x93\x95", Schrift::Helvetica, 10), 10.16);
    EXPECT_DOUBLE_EQ(Textbreite("a~", Schrift::Courier, 9), 10.8);

    // "Senvio Senvio" is 3057 + 278 + 3057 = 6392 thousandths: 63.92 points fit it exactly.
    EXPECT_EQ(BrichUm("Senvio Senvio Senvio", Schrift::Helvetica, 10, 63.92), (Zeilen{"Senvio Senvio", "Senvio"}));
    EXPECT_EQ(BrichUm("Senvio Senvio Senvio", Schrift::Helvetica, 10, 63.91), (Zeilen{"Senvio", "Senvio", "Senvio"}));
    EXPECT_EQ(BrichUm("  Senvio    Senvio ", Schrift::Helvetica, 10, 64), (Zeilen{"Senvio Senvio"}));
    // Too wide for any line: "Sen" is 17.79 points, "Senv" 22.79, so it is cut after "Sen".
    EXPECT_EQ(BrichUm("ab Senvio", Schrift::Helvetica, 10, 20), (Zeilen{"ab", "Sen", "vio"}));
    EXPECT_TRUE(BrichUm("   ", Schrift::Helvetica, 10, 100).empty());

    EXPECT_EQ(NachWindows1252("Größe 5 € „Hülle“ – • ß", 1), "Gr\366\337e 5 \200 \204H\374lle\223 \226 \225 \337");
    EXPECT_THAT([] { NachWindows1252("Datei → Neu", 7); },
                ThrowsMessage<HilfeFehler>(AllOf(StartsWith("Zeile 7:"), HasSubstr("U+2192 \"→\""))));
    EXPECT_THAT([] { NachWindows1252("a\tb", 1); }, ThrowsMessage<HilfeFehler>(HasSubstr("U+0009")));
    EXPECT_THAT([] { NachWindows1252("\xC2\x81", 1); }, ThrowsMessage<HilfeFehler>(HasSubstr("U+0081"))); // no glyph
    // Windows-1252 text, a character cut short, an overlong form: no UTF-8.
    for (const char* kaputt : {"Gr\366\337e", "Gr\xC3", "\xC0\xAF", "\xE0\x80\xAF"})
        EXPECT_THAT([=] { NachWindows1252(kaputt, 2); },
                    ThrowsMessage<HilfeFehler>(StrEq("Zeile 2: kein gültiges UTF-8.")))
            << kaputt;
}

TEST(Hilfesatz, AuszeichnungWirdZuBloecken) {
    const auto bloecke = LeseHilfequelle("% Bemerkung\n# Titel\nErste Zeile\nzweite Zeile.  \r\n\n## Über\n"
                                         "- Punkt eins\n  geht weiter\n- Punkt zwei\n| senvio-druck --modus png\n"
                                         "[Bild links]\n[Bild grossdruck]\n[Seitenumbruch]\n### Ende");
    std::vector<std::pair<Blockart, std::string>> gelesen;
    for (const Block& b : bloecke)
        gelesen.emplace_back(b.art, b.text);
    EXPECT_EQ(gelesen, (std::vector<std::pair<Blockart, std::string>>{
                           {Blockart::Titel, "Titel"},
                           {Blockart::Absatz, "Erste Zeile zweite Zeile."},
                           {Blockart::Abschnitt, "\334ber"},
                           {Blockart::Punkt, "Punkt eins geht weiter"},
                           {Blockart::Punkt, "Punkt zwei"},
                           {Blockart::Befehlszeile, "senvio-druck --modus png"},
                           {Blockart::Huellenbild, ""},
                           {Blockart::Grossdruckbild, ""},
                           {Blockart::Seitenumbruch, ""},
                           {Blockart::Unterabschnitt, "Ende"},
                       }));
    EXPECT_EQ(bloecke[6].huelle, Huelle::LinksGeheftet);
    EXPECT_THAT([] { LeseHilfequelle("Text\n\n[Bild quer]\n"); },
                ThrowsMessage<HilfeFehler>(StrEq("Zeile 3: unbekannte Anweisung [Bild quer]")));
}

// The document the build made: valid, every page renders, it names every command of
// the main window, and no word runs into the margins.
TEST(Hilfedokument, GueltigVollstaendigUndInDenRaendern) {
    const QString pdf = QStringLiteral(SENVIO_HILFE_PDF);
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    EXPECT_EQ(StarteProgramm(u"qpdf"_s, {u"--check"_s, pdf}).rueckgabe, 0);
    const QString info = StarteProgramm(u"pdfinfo"_s, {pdf}).aus;
    const int seiten = QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(info).captured(1).toInt();
    EXPECT_GE(seiten, 5);
    EXPECT_TRUE(info.contains(u"595 x 842 pts (A4)"_s)) << info.toStdString();
    ASSERT_EQ(StarteProgramm(u"pdftoppm"_s, {u"-r"_s, u"10"_s, pdf, tmp.filePath(u"s"_s)}).rueckgabe, 0);
    EXPECT_EQ(QDir(tmp.path()).entryList({u"s-*.ppm"_s}).size(), seiten);

    const QString text = StarteProgramm(u"pdftotext"_s, {pdf, u"-"_s}).aus.simplified();
    for (const QString& befehl :
         QStringLiteral(
             "Datei;Neu;Öffnen;Speichern unter...;Beenden;Bearbeiten;Eintrag bearbeiten;"
             "Neuer Texteintrag einfügen;Senderlogo an aktuellen Eintrag einfügen;"
             "Eintrag löschen;Drucken;für DIN A6 Klarsicht Einfachhülle oben geheftet;"
             "für DIN A6 Klarsicht Einfachhülle links geheftet;"
             "für DIN A6 Klarsicht Doppelhüllen;Liste speichern als Bild;JPEG-Datei;PNG-Datei;"
             "Einstellung;Schriftart;Logo-Ordner öffnen;Listen-Ordner öffnen;--benutzerordner;"
             "Suchen;[ ? ];F1;Abbruch einf.;<-----;Strg;senvio-druck;--programmordner;"
             "--modus oben|links|doppel|gross|jpeg|png;--rueckseite;Großdruck und "
             "Rückseite;Rückseite...;Senvio-Listen;TV und Radio Sender Logos;"
             "senvio.ini;Senvio-Hilfe.pdf;Drucken...;Druckvorschau...;Richtig drucken;"
             "Tatsächliche Größe;--druckdatei;--drucker;--start-karte;ihre Rückseite „So geht's“;tagesschau24 HD")
             .split(u';'))
        EXPECT_TRUE(text.contains(befehl)) << befehl.toStdString();
    // One advice on the size in every section: "An Seite anpassen" only as what not to choose.
    const QRegularExpression anpassen(u"(\\S+) „An Seite anpassen“"_s);
    int abgeraten = 0;
    for (auto it = anpassen.globalMatch(text); it.hasNext(); ++abgeraten)
        EXPECT_THAT(it.next().captured(1).toStdString(), AnyOf("nicht", "nie"));
    EXPECT_EQ(abgeraten, 2);
    EXPECT_TRUE(text.contains(u"Gestochen scharfe Karten druckt „Datei“ › „Drucken...“"_s));

    // Margins 62 points left and right; half a point for rounding.
    const QString boxen = StarteProgramm(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s}).aus;
    const QRegularExpression wort(
        u"<word xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<"_s);
    int woerter = 0;
    for (auto it = wort.globalMatch(boxen); it.hasNext(); ++woerter) {
        const auto m = it.next();
        EXPECT_GE(m.captured(1).toDouble(), 61.5) << m.captured(4).toStdString();
        EXPECT_LE(m.captured(2).toDouble(), 595 - 62 + 0.5) << m.captured(4).toStdString();
        EXPECT_LE(m.captured(3).toDouble(), 842 - 20) << m.captured(4).toStdString();
    }
    EXPECT_GT(woerter, 1000);
}

TEST(Hilfedokument, ProgrammWeistFalscheQuelleUndFalschenAufrufZurueck) {
    const QString programm = QStringLiteral(SENVIO_HILFE_PROGRAMM);
    QTemporaryDir tmp;
    const QString quelle = tmp.filePath(u"hilfe.txt"_s);
    const QString ziel = tmp.filePath(u"hilfe.pdf"_s);
    Schreib(quelle, "# Titel\n\nDatei \xE2\x86\x92 Neu\n");
    const Programmlauf falsch = StarteProgramm(programm, {quelle, ziel});
    EXPECT_EQ(falsch.rueckgabe, 1);
    EXPECT_TRUE(falsch.fehler.contains(u"Zeile 3: Das Zeichen U+2192"_s)) << falsch.fehler.toStdString();
    EXPECT_FALSE(QFile::exists(ziel));
    EXPECT_EQ(StarteProgramm(programm, {quelle}).rueckgabe, 2);
    EXPECT_EQ(StarteProgramm(programm, {tmp.filePath(u"fehlt.txt"_s), ziel}).rueckgabe, 1);

    Schreib(quelle, "# Titel\n\nText mit \xC3\xBC.\n");
    ASSERT_EQ(StarteProgramm(programm, {quelle, ziel}).rueckgabe, 0);
    EXPECT_EQ(StarteProgramm(u"pdftotext"_s, {ziel, u"-"_s}).aus.simplified(), u"Titel Text mit ü. Seite 1"_s);
}
