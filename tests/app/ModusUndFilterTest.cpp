// Layout, modes, the message filter (wheel, keys, F1) and how rows look on screen.
#include "ProgrammOrdnerFixture.h"

namespace senvio::test {
namespace {

class ModusUndFilter : public ProgrammOrdnerTest {
protected:
    TMainForm& StarteMitZeilen(int anzahl) {
        LegeAn(u"TV und Radio Sender Logos/ZDF"_s);
        return StarteMit(ListeMit(anzahl));
    }
};

TEST_F(ModusUndFilter, AlleTeileStehenAnIhremPlatz) {
    TMainForm& haupt = StarteMitZeilen(12);
    EXPECT_EQ(haupt.centralWidget()->size(), QSize(530, 613));
    EXPECT_EQ(Teil("Image324")->x(), 430);        // with more than 12 rows 412, below
    EXPECT_EQ(haupt.minimumSize(), haupt.size()); // larger only
    const std::pair<const char*, QRect> plaetze[] = {
        {"Panel2", {10, 14, 509, 575}},    {"Panel1", {30, 37, 466, 552}},      {"ComboBox1", {84, 4, 414, 29}},
        {"StatusBar1", {0, 589, 530, 24}}, {"ProgressBar1", {4, 594, 150, 17}}, {"EinfuegenBtn", {352, 9, 56, 29}},
        {"AbbruchBtn", {14, 9, 70, 29}},   {"ZurueckButton", {14, 4, 43, 25}},
    };
    for (const auto& [name, platz] : plaetze)
        EXPECT_EQ(Teil(name)->geometry(), platz) << name;
    EXPECT_EQ(Ansicht().geometry().topLeft(), QPoint(14, 47));
    EXPECT_EQ(Ansicht().viewport()->height(), 12 * 41); // whole rows only

    // At start only the list shows; its header is empty and "Suchen" is off.
    for (const char* verborgen : {"Panel1", "ComboBox1", "ZurueckButton", "AbbruchBtn", "TntLabel1", "EinfuegenBtn",
                                  "Image324", "ProgressBar1", "TntEdit1"})
        EXPECT_FALSE(Teil(verborgen)->isVisible()) << verborgen;
    EXPECT_FALSE(Teil<QAction>("Suchen1")->isEnabled());

    QStringList menues;
    for (const QAction* menue : haupt.menuBar()->actions())
        menues << menue->text();
    EXPECT_EQ(menues, (QStringList{u"Datei"_s, u"Bearbeiten"_s, u"Drucken"_s, u"Liste speichern als Bild"_s,
                                   u"Einstellung"_s, u"Suchen"_s, QString(16, u' '), u"[ ? ]"_s}));
    // The whole menu bar fits the window: no item goes into an overflow menu.
    EXPECT_LE(haupt.menuBar()->actionGeometry(haupt.menuBar()->actions().last()).right(), haupt.width() - 1);
}

TEST_F(ModusUndFilter, F1OeffnetDieHilfeAusserInDerLogoauswahl) {
    StarteMitZeilen(1);
    // Without a help document in the program folder F1 opens the installed one.
    const QString installiert = QStringLiteral(SENVIO_HILFE_INSTALLIERT);
    QTest::keyClick(&Ansicht(), Qt::Key_F1);
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), QStringList{installiert});
    Schreib(Pfad(u"Senvio-Hilfe.pdf"_s), "%PDF-1.4\n");
    const QString hilfe = m_pfad + u"Senvio-Hilfe.pdf"_s;
    QTest::keyClick(&Ansicht(), Qt::Key_F1);
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), (QStringList{installiert, hilfe}));

    Logomodus();
    QTest::keyClick(Raster(), Qt::Key_F1);
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), (QStringList{installiert, hilfe}));
    Logomodus();
    QTest::keyClick(&Ansicht(), Qt::Key_F1);
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), (QStringList{installiert, hilfe, hilfe}));
}

TEST_F(ModusUndFilter, MausradBewegtDieAuswahlDerListeUmEineZeileJeRaste) {
    StarteMitZeilen(13);
    EXPECT_EQ(Teil("Image324")->x(), 412); // the small preview leaves room for the scroll bar
    QWidget* flaeche = Ansicht().viewport();
    Rad(flaeche, -120);
    EXPECT_EQ(Ansicht().AktuelleZeile(), 1);
    EXPECT_TRUE(Ansicht().hasFocus());
    // Over the status line the wheel still moves the list; a fast spin a row per notch.
    Rad(Teil("StatusBar1"), -240);
    EXPECT_EQ(Ansicht().AktuelleZeile(), 3);
    // A fine wheel or a touchpad: eight events of an eighth make one row, the rest is
    // kept; a horizontal swipe moves nothing.
    for (int i = 0; i < 12; ++i)
        Rad(flaeche, 15);
    Rad(flaeche, 0, {}, -120);
    EXPECT_EQ(Ansicht().AktuelleZeile(), 2);
    Rad(flaeche, 60);
    EXPECT_EQ(Ansicht().AktuelleZeile(), 1);
    // With the logo grid shown the wheel is the grid's own; the list stays.
    Logomodus();
    Rad(Raster()->viewport(), -120);
    EXPECT_EQ(Ansicht().AktuelleZeile(), 1);
}

TEST_F(ModusUndFilter, SenderwaehlerUndFremdeDialogeBehaltenRadUndTasten) {
    TMainForm& haupt = StarteMitZeilen(3);
    TTextlistenForm& waehler = haupt.Fenster().textliste;
    auto* namen = Teil<QListWidget>(waehler, "TntListBox1");
    waehler.LadeNamen({u"Eins"_s, u"Zwei"_s, u"Drei"_s});
    namen->setCurrentRow(0);
    waehler.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&waehler));
    QApplication::setActiveWindow(&waehler);
    namen->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), namen);
    Rad(Ansicht().viewport(), -120);
    EXPECT_EQ(namen->currentRow(), 1);
    EXPECT_EQ(Ansicht().AktuelleZeile(), 0);
    waehler.hide();

    // Message boxes and file dialogs are the desktop's: wheel and keys reach them unchanged.
    QDialog fremd;
    auto* feld = new QLineEdit(&fremd);
    fremd.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fremd));
    Rad(feld, -120);
    EXPECT_EQ(Ansicht().AktuelleZeile(), 0);

    Logomodus();
    QTest::keyClicks(feld, u"Sport"_s);
    EXPECT_EQ(feld->text(), u"Sport"_s);
    QTest::keyClick(feld, Qt::Key_F1);
    EXPECT_TRUE(Dialoge::GeoeffneteDokumente().isEmpty());
}

// The logo mode shows the group list and the back button at the grid's edge; its keys
// scroll the grid and go nowhere else; the list mode hides both again.
TEST_F(ModusUndFilter, LogoauswahlTastenScrollenDasRasterUndSonstNichts) {
    TMainForm& haupt = StarteMitZeilen(2);
    Logomodus();
    EXPECT_TRUE(Teil("ComboBox1")->isVisible() && Teil("ZurueckButton")->isVisible());
    EXPECT_EQ(Teil("ZurueckButton")->geometry(), QRect(30, 4, 43, 29));
    Raster()->widget()->resize(440, 3000);
    QScrollBar* leiste = Raster()->verticalScrollBar();
    ASSERT_GT(leiste->maximum(), 1000);
    auto* gruppen = Teil<QComboBox>("ComboBox1");
    gruppen->setFocus();
    ASSERT_EQ(gruppen->currentIndex(), 0);
    QTest::keyClick(gruppen, Qt::Key_Down);
    EXPECT_EQ(leiste->value(), 108);
    EXPECT_EQ(gruppen->currentIndex(), 0);
    EXPECT_TRUE(Raster()->hasFocus());
    const std::pair<Qt::Key, int> tasten[] = {
        {Qt::Key_PageDown, 648}, {Qt::Key_Up, 540}, {Qt::Key_End, leiste->maximum()}, {Qt::Key_Home, 0}};
    for (const auto& [taste, wert] : tasten) {
        QTest::keyClick(Raster(), taste);
        EXPECT_EQ(leiste->value(), wert) << taste;
    }
    Logomodus();
    EXPECT_FALSE(Teil("ZurueckButton")->isVisible() || Teil("ComboBox1")->isVisible());
    EXPECT_EQ(haupt.Statuszeile(), Status(2, u"Astra"_s));
}

} // namespace
} // namespace senvio::test
