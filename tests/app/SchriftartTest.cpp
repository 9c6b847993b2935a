// "Schriftart": the list font from the dialog, its four settings keys, and the next start.
#include "ProgrammOrdnerFixture.h"

#include "list/BearbeitenForm.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace senvio::test {
namespace {

using namespace Qt::StringLiterals;

class Schriftart : public ProgrammOrdnerTest {
protected:
    QString Ini() const { return m_pfad + u"senvio.ini"_s; }
    static Schriftwahl Wahl(bool fett, bool kursiv, bool unter, QColor farbe) {
        QFont schrift(u"DejaVu Serif"_s);
        schrift.setPointSize(20);
        schrift.setBold(fett);
        schrift.setItalic(kursiv);
        schrift.setUnderline(unter);
        return {schrift, farbe};
    }
    static auto Merkmale(const QWidget* feld) {
        const QFont& s = feld->font();
        return std::tuple(s.family(), s.pointSize(), s.bold(), s.italic(), s.underline(),
                          feld->palette().color(QPalette::Text));
    }
};

TEST_F(Schriftart, FettKursivWirdGeschriebenUndInGrossbuchstabenWiedergelesen) {
    LegeStandardOrdnerAn();
    TMainForm& haupt = Starte();
    const QFont namensfeld = haupt.TntEdit1->font();
    Dialoge::SetzeNaechsteSchrift(Wahl(true, true, false, Qt::blue));
    haupt.Schriftart1->trigger();
    EXPECT_EQ(Lies(Ini()), QByteArray("[Einstellung]\r\nFontName=DejaVu Serif\r\nFontSize=20\r\n"
                                      "FontFarbe=16711680\r\nFontStyle=fsBold + fsItalic\r\n"));
    const auto fettKursiv = std::tuple(u"DejaVu Serif"_s, 20, true, true, false, QColor(Qt::blue));
    EXPECT_EQ(Merkmale(haupt.Listbox1), fettKursiv);
    EXPECT_EQ(Merkmale(haupt.tempTntEdit), fettKursiv);
    EXPECT_EQ(Merkmale(haupt.Fenster().bearbeiten->TntEdit1),
              std::tuple(u"DejaVu Serif"_s, 10, true, true, false, QColor(Qt::blue)));
    EXPECT_EQ(haupt.TntEdit1->font(), namensfeld); // the name field only at the next start
    Beende();

    QByteArray ini = Lies(Ini());
    Schreib(Ini(), ini.replace("FontStyle=fsBold + fsItalic", "FONTSTYLE=FSBOLD + FSITALIC"));
    EXPECT_EQ(Merkmale(Starte().Listbox1), fettKursiv);
    EXPECT_EQ(Merkmale(Haupt().TntEdit1), fettKursiv);
}

TEST_F(Schriftart, NormalUndFettUnterstrichenSchreibenEinenLeerenStil) {
    LegeStandardOrdnerAn();
    Starte();
    for (const Schriftwahl& wahl : {Wahl(false, false, false, Qt::red), Wahl(true, false, true, Qt::red)}) {
        Dialoge::SetzeNaechsteSchrift(wahl);
        Haupt().Schriftart1->trigger();
        Beende();
        EXPECT_TRUE(Lies(Ini()).contains("FontFarbe=255\r\nFontStyle=\r\n"));
        // Back in the default style, bold, with face, size and colour restored.
        EXPECT_EQ(Merkmale(Starte().Listbox1), std::tuple(u"DejaVu Serif"_s, 20, true, false, false, QColor(Qt::red)));
    }
}

TEST_F(Schriftart, DerDialogOeffnetBeiDerListenschriftUndOkOhneAenderungBehaeltSie) {
    LegeStandardOrdnerAn();
    TMainForm& haupt = Starte();
    const auto vorher = Merkmale(haupt.Listbox1);
    ASSERT_EQ(vorher, std::tuple(u"DejaVu Sans Condensed"_s, 18, true, false, false, QColor(Qt::black)));
    Dialoge::SetzeNaechstenDialog([](QDialog&) { return int(QDialog::Accepted); });
    haupt.Schriftart1->trigger();
    EXPECT_EQ(Merkmale(haupt.Listbox1), vorher);
    EXPECT_EQ(Lies(Ini()), QByteArray("[Einstellung]\r\nFontName=DejaVu Sans Condensed\r\nFontSize=18\r\n"
                                      "FontFarbe=0\r\nFontStyle=fsBold\r\n"));
}

TEST_F(Schriftart, AbbrechenLaesstListeUndEinstellungenUnberuehrt) {
    LegeStandardOrdnerAn();
    Schreib(Ini(), "[Einstellung]\nFontSize=12\n");
    TMainForm& haupt = Starte();
    const QFont vorher = haupt.Listbox1->font();
    Dialoge::SetzeNaechsteSchrift(std::nullopt);
    haupt.Schriftart1->trigger();
    EXPECT_EQ(Lies(Ini()), QByteArray("[Einstellung]\nFontSize=12\n"));
    EXPECT_EQ(haupt.Listbox1->font(), vorher);
}

} // namespace
} // namespace senvio::test
