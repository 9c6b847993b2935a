// "Schriftart": the list font from the dialog, its four settings keys, and the next start.
#include "ProgrammOrdnerFixture.h"

namespace senvio::test {
namespace {

class Schriftart : public ProgrammOrdnerTest {
protected:
    QString Ini() const { return m_pfad + u"senvio.ini"_s; }
    static auto Merkmale(const QWidget* feld) {
        const QFont& s = feld->font();
        return std::tuple(s.family(), s.pointSize(), s.bold(), s.italic(), s.underline(),
                          feld->palette().color(QPalette::Text));
    }
};

TEST_F(Schriftart, FettKursivWirdGeschriebenUndBeimNaechstenStartGelesen) {
    LegeStandardOrdnerAn();
    TMainForm& haupt = Starte();
    const QFont namensfeld = Teil("TntEdit1")->font();
    Dialoge::SetzeNaechsteSchrift(Schriftwahl{QFont(u"DejaVu Serif"_s, 20, QFont::Bold, true), Qt::blue});
    Befehl("Schriftart1");
    EXPECT_EQ(Lies(Ini()), QByteArray("[Einstellung]\r\nListenName=Meine Senderliste\r\nFontName=DejaVu Serif\r\n"
                                      "FontSize=20\r\nFontFarbe=16711680\r\nFontStyle=fsBold + fsItalic\r\n"));
    const auto fettKursiv = std::tuple(u"DejaVu Serif"_s, 20, true, true, false, QColor(Qt::blue));
    const auto klein = std::tuple(u"DejaVu Serif"_s, 10, true, true, false, QColor(Qt::blue));
    EXPECT_EQ(Merkmale(Teil("Listbox1")), fettKursiv);
    EXPECT_EQ(Merkmale(Teil(haupt.Fenster().bearbeiten, "TntEdit1")), klein);
    EXPECT_EQ(Teil("TntEdit1")->font(), namensfeld); // the name field only at the next start
    Beende();

    // At start the controls that follow the list font take it at 10 points; the search's label in blue.
    TMainForm& wieder = Starte();
    EXPECT_EQ(Merkmale(Teil("TntEdit1")), fettKursiv);
    EXPECT_EQ(Merkmale(Teil(wieder.Fenster().textliste, "TntListBox1")), klein);
    const QWidget* suchtext = Teil(wieder.Fenster().suche, "TntLabel1");
    EXPECT_EQ(std::pair(suchtext->font().pointSize(), suchtext->palette().color(QPalette::WindowText)),
              std::pair(10, QColor(0, 0, 255)));
}

// "Abbrechen" leaves list and settings alone; "OK" without a change writes the list font
// as it is; an underlined font writes an empty style, read back as the default bold.
TEST_F(Schriftart, AbbrechenOkOhneAenderungUndUnterstrichen) {
    LegeStandardOrdnerAn();
    Starte();
    const auto vorher = Merkmale(Teil("Listbox1"));
    ASSERT_EQ(vorher, std::tuple(u"DejaVu Sans Condensed"_s, 18, true, false, false, QColor(Qt::black)));
    Dialoge::SetzeNaechsteSchrift(std::nullopt);
    Befehl("Schriftart1");
    EXPECT_EQ(Lies(Ini()), QByteArray("[Einstellung]\r\nListenName=Meine Senderliste\r\n"));
    EXPECT_EQ(Merkmale(Teil("Listbox1")), vorher);
    Dialoge::SetzeNaechstenDialog([](QDialog&) { return int(QDialog::Accepted); });
    Befehl("Schriftart1");
    EXPECT_EQ(Merkmale(Teil("Listbox1")), vorher);
    EXPECT_EQ(Lies(Ini()), QByteArray("[Einstellung]\r\nListenName=Meine Senderliste\r\nFontName=DejaVu Sans "
                                      "Condensed\r\nFontSize=18\r\nFontFarbe=0\r\nFontStyle=fsBold\r\n"));

    QFont unterstrichen(u"DejaVu Serif"_s, 20, QFont::Bold);
    unterstrichen.setUnderline(true);
    Dialoge::SetzeNaechsteSchrift(Schriftwahl{unterstrichen, Qt::red});
    Befehl("Schriftart1");
    Beende();
    EXPECT_TRUE(Lies(Ini()).contains("FontFarbe=255\r\nFontStyle=\r\n"));
    Starte();
    EXPECT_EQ(Merkmale(Teil("Listbox1")), std::tuple(u"DejaVu Serif"_s, 20, true, false, false, QColor(Qt::red)));
}

} // namespace
} // namespace senvio::test
