// Layout, modes, the message filter (wheel, keys, F1) and how rows look on screen.
#include "ProgrammOrdnerFixture.h"

#include "list/NameEingabe.h"
#include "list/TextlistenForm.h"
#include "logos/GrossImageForm.h"
#include "logos/SuchForm.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>

namespace senvio::test {
namespace {

class ModusUndFilter : public ProgrammOrdnerTest {
protected:
    TMainForm& StarteMitZeilen(int anzahl) {
        LegeStandardOrdnerAn();
        LegeAn(QStringLiteral("TV und Radio Sender Logos/ZDF"));
        QByteArray liste;
        for (int i = 1; i <= anzahl; ++i)
            liste += "    " + QByteArray::number(i) + "   = Sender #png#Ohne Logo1.png\r\n";
        Schreib(Pfad(QStringLiteral("senvio.ini")), "[Einstellung]\nListenName=Astra\n");
        Schreib(Pfad(QStringLiteral("Senvio-Listen/Astra.lis")), liste);
        return Starte();
    }
    static QStringList Texte(const QList<QAction*>& eintraege) {
        QStringList texte;
        for (const QAction* eintrag : eintraege)
            texte << eintrag->text();
        return texte;
    }
};

TEST_F(ModusUndFilter, DasFensterStehtFestMitAllenTeilenAnIhremPlatz) {
    TMainForm& haupt = StarteMitZeilen(0);
    EXPECT_EQ(haupt.centralWidget()->size(), QSize(530, 613));
    EXPECT_EQ(haupt.minimumSize(), haupt.maximumSize());
    EXPECT_EQ(haupt.Panel2->geometry(), QRect(10, 14, 509, 575));
    EXPECT_EQ(haupt.Listbox1->geometry().topLeft(), QPoint(14, 47));
    EXPECT_EQ(haupt.Listbox1->width(), 478);
    EXPECT_EQ(haupt.Listbox1->viewport()->height(), 12 * 41); // whole rows only
    EXPECT_LE(haupt.Listbox1->height(), 499);
    EXPECT_EQ(haupt.Panel1->geometry(), QRect(30, 37, 466, 552));
    EXPECT_EQ(haupt.ComboBox1->geometry(), QRect(84, 4, 414, 29));
    EXPECT_EQ(haupt.StatusBar1->geometry(), QRect(0, 589, 530, 24));
    EXPECT_EQ(haupt.ProgressBar1->geometry(), QRect(4, 594, 150, 17));
    EXPECT_EQ(haupt.EinfuegenBtn->geometry(), QRect(352, 9, 56, 29));
    EXPECT_EQ(haupt.AbbruchBtn->text(), QStringLiteral("Abbruch einf."));

    // At start only the list shows; its header is empty and "Suchen" is off.
    EXPECT_TRUE(haupt.Panel2->isVisible());
    const QList<QWidget*> verborgene{haupt.Panel1,    haupt.ComboBox1,    haupt.ZurueckButton, haupt.AbbruchBtn,
                                     haupt.TntLabel1, haupt.EinfuegenBtn, haupt.Image324,      haupt.ProgressBar1,
                                     haupt.TntEdit1,  haupt.tempTntEdit};
    for (QWidget* verborgen : verborgene)
        EXPECT_FALSE(verborgen->isVisible());
    EXPECT_FALSE(haupt.Suchen1->isEnabled());

    EXPECT_EQ(Texte(haupt.menuBar()->actions()),
              (QStringList{QStringLiteral("Datei"), QStringLiteral("Bearbeiten"), QStringLiteral("Drucken"),
                           QStringLiteral("Liste speichern als Bild"), QStringLiteral("Einstellung"),
                           QStringLiteral("Suchen"), QString(16, QLatin1Char(' ')), QStringLiteral("[ ? ]")}));
    // The whole menu bar fits the window: no item goes into an overflow menu.
    QAction* hilfe = haupt.menuBar()->actions().last();
    EXPECT_LE(haupt.menuBar()->actionGeometry(hilfe).right(), haupt.width() - 1);
    EXPECT_EQ(
        Texte(haupt.menuBar()->actions()[0]->menu()->actions()),
        (QStringList{QStringLiteral("Neu"), QStringLiteral("Öffnen"), QStringLiteral("Senderliste importieren..."),
                     QStringLiteral("Speichern unter..."), QStringLiteral(" "), QStringLiteral("Beenden")}));
    EXPECT_EQ(Texte(haupt.PopupMenu1->actions()),
              (QStringList{QStringLiteral("Eintrag bearbeiten"), QStringLiteral("Neuer Texteintrag einfügen"),
                           QStringLiteral("Senderlogo an aktuellen Eintrag einfügen"), QStringLiteral("   "),
                           QStringLiteral("Eintrag löschen")}));
}

// The large preview and the "Neu" dialog measure with their frame: offscreen, 2 pixels
// around every window.
TEST_F(ModusUndFilter, VorschauUndNamensdialogSindMitRahmenSoGross) {
    const Nebenfenster& fenster = StarteMitZeilen(0).Fenster();
    fenster.nameEingabe->show();
    fenster.grossBild->show();
    EXPECT_EQ(fenster.nameEingabe->size(), QSize(368, 153));
    EXPECT_EQ(fenster.nameEingabe->frameGeometry(), QRect(285, 125, 372, 157));
    EXPECT_EQ(fenster.grossBild->frameGeometry().size(), QSize(315, 231));
    fenster.nameEingabe->hide();
    fenster.grossBild->hide();
}

TEST_F(ModusUndFilter, LogoauswahlZeigtGruppenlisteUndZurueckknopfDieListeVerbirgtIhn) {
    TMainForm& haupt = StarteMitZeilen(2);
    haupt.ZeigeLogoAuswahl();
    EXPECT_TRUE(haupt.IstLogoModus());
    EXPECT_FALSE(haupt.IstListenModus());
    EXPECT_TRUE(haupt.ComboBox1->isVisible());
    EXPECT_TRUE(haupt.ZurueckButton->isVisible());
    EXPECT_EQ(haupt.ZurueckButton->geometry(), QRect(30, 4, 43, 29));
    EXPECT_TRUE(haupt.Suchen1->isEnabled());
    haupt.ZeigeListe();
    EXPECT_TRUE(haupt.IstListenModus());
    EXPECT_FALSE(haupt.ZurueckButton->isVisible());
    EXPECT_FALSE(haupt.ComboBox1->isVisible());
    EXPECT_EQ(haupt.Statuszeile(), Status(2, QStringLiteral("Astra")));
}

TEST_F(ModusUndFilter, DieKleineVorschauRuecktBeiMehrAlsZwoelfZeilenNachLinks) {
    EXPECT_EQ(StarteMitZeilen(12).Image324->x(), 430);
    Beende();
    EXPECT_EQ(StarteMitZeilen(13).Image324->x(), 412);
}

TEST_F(ModusUndFilter, F1OeffnetDieHilfeAusserInDerLogoauswahlUndBeiSucheOderNamensdialog) {
    TMainForm& haupt = StarteMitZeilen(1);
    // Without a help document in the program folder F1 opens the installed one.
    const QString installiert = QStringLiteral(SENVIO_HILFE_INSTALLIERT);
    QTest::keyClick(haupt.Listbox1, Qt::Key_F1);
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), QStringList{installiert});
    Schreib(Pfad(QStringLiteral("Senvio-Hilfe.pdf")), "%PDF-1.4\n");
    const QString hilfe = m_pfad + QStringLiteral("Senvio-Hilfe.pdf");
    QTest::keyClick(haupt.Listbox1, Qt::Key_F1);
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), (QStringList{installiert, hilfe}));

    haupt.Fenster().suche->show();
    QTest::keyClick(haupt.Listbox1, Qt::Key_F1);
    haupt.Fenster().suche->hide();
    haupt.Fenster().nameEingabe->show();
    QTest::keyClick(haupt.Listbox1, Qt::Key_F1);
    haupt.Fenster().nameEingabe->hide();
    haupt.ZeigeLogoAuswahl();
    QTest::keyClick(haupt.ScrollBox1, Qt::Key_F1);
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), (QStringList{installiert, hilfe}));

    haupt.ZeigeListe();
    QTest::keyClick(haupt.Listbox1, Qt::Key_F1);
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), (QStringList{installiert, hilfe, hilfe}));
}

TEST_F(ModusUndFilter, MausradBewegtDieAuswahlDerListeUmEineZeileJeRaste) {
    TMainForm& haupt = StarteMitZeilen(6);
    QWidget* flaeche = haupt.Listbox1->viewport();
    Rad(flaeche, -120);
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 1);
    EXPECT_TRUE(haupt.Listbox1->hasFocus());
    // Over the status line the wheel still moves the list; a fast spin a row per notch.
    Rad(haupt.StatusBar1, -240);
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 3);
    // A fine wheel or a touchpad: eight events of an eighth make one row, the rest is
    // kept; a horizontal swipe and the empty end of a gesture move nothing.
    for (int i = 0; i < 12; ++i)
        Rad(flaeche, 15);
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 2);
    Rad(flaeche, 0);
    Rad(flaeche, 0, {}, -120);
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 2);
    Rad(flaeche, 60);
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 1);
    // With the logo grid shown the wheel is the grid's own; the list stays.
    haupt.ZeigeLogoAuswahl();
    Rad(haupt.ScrollBox1->viewport(), -120);
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 1);
}

TEST_F(ModusUndFilter, MitSichtbaremSenderwaehlerBekommtDieListeDenFokusNicht) {
    TMainForm& haupt = StarteMitZeilen(3);
    TTextlistenForm& waehler = *haupt.Fenster().textliste;
    waehler.TntListBox1->addItems({QStringLiteral("Eins"), QStringLiteral("Zwei"), QStringLiteral("Drei")});
    waehler.TntListBox1->setCurrentRow(0);
    waehler.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&waehler));
    QApplication::setActiveWindow(&waehler);
    waehler.TntListBox1->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), waehler.TntListBox1);
    Rad(haupt.Listbox1->viewport(), -120);
    EXPECT_EQ(waehler.TntListBox1->currentRow(), 1);
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 0);
    waehler.hide();
}

TEST_F(ModusUndFilter, TastenScrollenInDerLogoauswahlDasRasterUndSonstNichts) {
    TMainForm& haupt = StarteMitZeilen(1);
    haupt.ScrollBox1->widget()->resize(440, 3000);
    haupt.ZeigeLogoAuswahl();
    QScrollBar* leiste = haupt.ScrollBox1->verticalScrollBar();
    ASSERT_GT(leiste->maximum(), 1000);
    haupt.ComboBox1->setFocus();
    ASSERT_EQ(haupt.ComboBox1->currentIndex(), 0);
    QTest::keyClick(haupt.ComboBox1, Qt::Key_Down);
    EXPECT_EQ(leiste->value(), 108);
    EXPECT_EQ(haupt.ComboBox1->currentIndex(), 0);
    EXPECT_TRUE(haupt.ScrollBox1->hasFocus());
    QTest::keyClick(haupt.ScrollBox1, Qt::Key_PageDown);
    EXPECT_EQ(leiste->value(), 648);
    QTest::keyClick(haupt.ScrollBox1, Qt::Key_Up);
    EXPECT_EQ(leiste->value(), 540);
    QTest::keyClick(haupt.ScrollBox1, Qt::Key_PageUp);
    EXPECT_EQ(leiste->value(), 0);
    QTest::keyClick(haupt.ScrollBox1, Qt::Key_End);
    EXPECT_EQ(leiste->value(), leiste->maximum());
    QTest::keyClick(haupt.ScrollBox1, Qt::Key_A);
    EXPECT_EQ(leiste->value(), leiste->maximum());
    QTest::keyClick(haupt.ScrollBox1, Qt::Key_Home);
    EXPECT_EQ(leiste->value(), 0);
}

// Message boxes and file dialogs are the desktop's: wheel and keys reach them unchanged.
TEST_F(ModusUndFilter, FremdeDialogeBehaltenRadUndTasten) {
    TMainForm& haupt = StarteMitZeilen(3);
    QDialog fremd;
    auto* feld = new QLineEdit(&fremd);
    fremd.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fremd));
    Rad(feld, -120);
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 0);

    haupt.ZeigeLogoAuswahl();
    QTest::keyClicks(feld, QStringLiteral("Sport"));
    EXPECT_EQ(feld->text(), QStringLiteral("Sport"));
    QTest::keyClick(feld, Qt::Key_F1);
    EXPECT_TRUE(Dialoge::GeoeffneteDokumente().isEmpty());
}

TEST_F(ModusUndFilter, ZeilenSindEinundvierzigPixelHochDieGewaehlteMitHervorhebungUnterDemLogo) {
    LegeStandardOrdnerAn();
    LegeAn(QStringLiteral("Senvio-Listen/Sender-Logos"));
    QImage rot(140, 100, QImage::Format_RGB32);
    rot.fill(QColor(255, 0, 0));
    ASSERT_TRUE(rot.save(Pfad(QStringLiteral("Senvio-Listen/Sender-Logos/rot.png"))));
    Schreib(Pfad(QStringLiteral("senvio.ini")), "[Einstellung]\nListenName=Astra\n");
    Schreib(Pfad(QStringLiteral("Senvio-Listen/Astra.lis")),
            "    1   = #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\rot.png\r\n"
            "    2   = #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\rot.png\r\n");
    TMainForm& haupt = Starte();
    const QAbstractItemModel* modell = haupt.Listbox1->model();
    EXPECT_EQ(haupt.Listbox1->visualRect(modell->index(0, 0)), QRect(0, 0, haupt.Listbox1->viewport()->width(), 41));
    EXPECT_EQ(haupt.Listbox1->visualRect(modell->index(1, 0)).top(), 41);

    const QImage bild = haupt.Listbox1->viewport()->grab().toImage();
    const int breite = haupt.Listbox1->viewport()->width();
    const QColor hervorhebung = haupt.Listbox1->palette().color(QPalette::Highlight);
    const QColor grund = haupt.Listbox1->palette().color(QPalette::Base);
    // Row 0 is selected: highlight ground, the logo copied over it at the right edge.
    EXPECT_EQ(bild.pixelColor(breite - 61, 5), hervorhebung);
    EXPECT_EQ(bild.pixelColor(breite - 30, 20), QColor(255, 0, 0));
    EXPECT_EQ(bild.pixelColor(breite - 61, 46), grund);
    EXPECT_EQ(bild.pixelColor(breite - 30, 61), QColor(255, 0, 0));
}

} // namespace
} // namespace senvio::test
