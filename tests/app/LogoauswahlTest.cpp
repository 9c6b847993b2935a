// The logo library in the real main window: loading a group into the grid, picking,
// attaching, scrolling, the search with its timed right click and the large preview.
#include "ProgrammOrdnerFixture.h"

#include "app/MachPause.h"
#include "logos/GrossImageForm.h"
#include "logos/Kachelbild.h"
#include "logos/LogoRaster.h"
#include "logos/LogozuordnungForm.h"
#include "logos/SuchForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QWheelEvent>

namespace senvio::test {
namespace {

const QString Wurzel = QStringLiteral("TV und Radio Sender Logos/");

class Logoauswahl : public ProgrammOrdnerTest {
protected:
    void LegeLogoAn(const QString& gruppe, const QString& name, QColor farbe, QSize groesse = {200, 100}) {
        LegeAn(Wurzel + gruppe);
        QImage bild(groesse, QImage::Format_RGB32);
        bild.fill(farbe);
        ASSERT_TRUE(bild.save(Pfad(Wurzel + gruppe + QLatin1Char('/') + name), "PNG"));
    }
    TMainForm& StarteMitListe() {
        LegeAn(QStringLiteral("Senvio-Listen"));
        Schreib(Pfad(QStringLiteral("senvio.ini")), "[Einstellung]\nListenName=Astra\n");
        Schreib(Pfad(QStringLiteral("Senvio-Listen/Astra.lis")),
                "    1   = Erste #png#Ohne Logo1.png\r\n    2   = Zweite #png#Ohne Logo2.png\r\n");
        return Starte();
    }
    LogoKachel* Kachel(const QString& name) {
        const QStringList& dateien = Haupt().LogoDateien();
        for (qsizetype i = 0; i < dateien.size(); ++i)
            if (QFileInfo(dateien[i]).fileName() == name)
                return Haupt().LogoKacheln()->Kacheln()[i];
        ADD_FAILURE() << "keine Kachel " << name.toStdString();
        return nullptr;
    }
    static void Maus(QWidget* ziel, QEvent::Type art, Qt::MouseButton taste) {
        QMouseEvent ereignis(art, QPointF(48, 48), ziel->mapToGlobal(QPointF(48, 48)), taste, taste, Qt::NoModifier);
        QApplication::sendEvent(ziel, &ereignis);
    }
    static QString LogoZeile(int nummer, const QString& name, const QString& datei) {
        return QStringLiteral("    %1   = %2 #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\%3")
            .arg(nummer)
            .arg(name, datei);
    }
    static bool Sichtbar(std::initializer_list<QWidget*> teile) {
        for (QWidget* teil : teile)
            if (!teil->isVisible())
                return false;
        return true;
    }
};

TEST_F(Logoauswahl, GruppeLaedtKachelnZeilenweiseUndFehlerhafteLogosZeigenFehler) {
    LegeLogoAn(QStringLiteral("ARD"), QStringLiteral("rot.png"), Qt::red);
    LegeLogoAn(QStringLiteral("ARD"), QStringLiteral("blau.png"), Qt::blue);
    Schreib(Pfad(Wurzel + QStringLiteral("ARD/kaputt.png")), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16));
    TMainForm& haupt = StarteMitListe();
    haupt.SenderlogoanaktuellenEintrageinfuegen1Click();
    ASSERT_TRUE(haupt.IstLogoModus());
    EXPECT_EQ(haupt.LogoPositionen(),
              (QStringList{QStringLiteral("12x12"), QStringLiteral("120x12"), QStringLiteral("228x12")}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(haupt.LogoKacheln()->Kacheln()[i]->geometry(), QRect(12 + 108 * i, 12, 96, 96));
    EXPECT_EQ(haupt.LogoKacheln()->height(), 108);
    EXPECT_EQ(haupt.Statuszeile(), QStringLiteral("      3 Logos im Ordner: ARD"));
    EXPECT_FALSE(haupt.ProgressBar1->isVisible());
    EXPECT_EQ(Kachel(QStringLiteral("rot.png"))->Bild().pixelColor(48, 48), QColor(Qt::red));
    EXPECT_EQ(Kachel(QStringLiteral("blau.png"))->Bild().pixelColor(48, 48), QColor(Qt::blue));
    EXPECT_EQ(Kachel(QStringLiteral("kaputt.png"))->Bild(), ErstelleKachelbild(QImage())); // "FEHLER"

    Maus(Kachel(QStringLiteral("blau.png")), QEvent::MouseMove, Qt::NoButton);
    EXPECT_EQ(haupt.Statuszeile(), QStringLiteral("     blau.png"));

    // The middle button does nothing; the left one refuses a broken logo; the right
    // one shows its error instead of the preview.
    Maus(Kachel(QStringLiteral("rot.png")), QEvent::MouseButtonPress, Qt::MiddleButton);
    Maus(Kachel(QStringLiteral("kaputt.png")), QEvent::MouseButtonPress, Qt::LeftButton);
    Maus(Kachel(QStringLiteral("kaputt.png")), QEvent::MouseButtonPress, Qt::RightButton);
    ASSERT_EQ(Dialoge::Meldungen().size(), 2);
    EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Information"));
    EXPECT_TRUE(Dialoge::Meldungen()[0].text.contains(QStringLiteral("\"kaputt.png\"")));
    EXPECT_EQ(Dialoge::Meldungen()[1].titel, QStringLiteral("Senvio-Liste"));
    EXPECT_TRUE(Dialoge::Meldungen()[1].text.contains(QStringLiteral("kaputt.png")));
    EXPECT_TRUE(haupt.IstLogoModus());
    EXPECT_TRUE(Sichtbar({haupt.ComboBox1, haupt.ZurueckButton}));
    EXPECT_TRUE(haupt.Suchen1->isEnabled());
    EXPECT_FALSE(haupt.EinfuegenBtn->isVisibleTo(&haupt));
    TGrossImageForm& gross = *haupt.Fenster().grossBild;
    EXPECT_FALSE(gross.isVisible());

    Maus(Kachel(QStringLiteral("rot.png")), QEvent::MouseButtonPress, Qt::RightButton);
    ASSERT_TRUE(gross.isVisible());
    EXPECT_EQ(gross.windowTitle(), QStringLiteral("rot.png"));
    EXPECT_EQ(gross.Image1->Bild().size(), QSize(200, 100));
    EXPECT_EQ(gross.Image1->geometry(), QRect(0, gross.height() - 190, gross.width(), 190));
    EXPECT_TRUE(haupt.IstLogoModus());
    Maus(gross.Image1, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_FALSE(gross.isVisible());
}

TEST_F(Logoauswahl, GruppenwechselBenenntUmUndMeldetBlockierteNamen) {
    LegeLogoAn(QStringLiteral("ARD"), QStringLiteral("rot.png"), Qt::red);
    LegeLogoAn(QStringLiteral("Umlaute"), QStringLiteral("Ko\u0308ln.png"), Qt::red);
    LegeLogoAn(QStringLiteral("Umlaute"), QStringLiteral("Koln.png"), Qt::blue);
    LegeLogoAn(QStringLiteral("Umlaute"), QStringLiteral("Mu\u0308nchen.png"), Qt::green);
    TMainForm& haupt = StarteMitListe();
    haupt.ComboBox1->setCurrentIndex(haupt.ComboBox1->findText(QStringLiteral("Umlaute")));
    haupt.ComboBox1Change();
    const QString gruppe = Pfad(Wurzel + QStringLiteral("Umlaute/"));
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Warnung"));
    EXPECT_EQ(Dialoge::Meldungen()[0].text,
              QStringLiteral("\"") + gruppe + QStringLiteral("Koln.png \" kann nicht umbenannt werden!"));
    EXPECT_EQ(haupt.LogoDateien().size(), 3);
    EXPECT_TRUE(haupt.LogoDateien().contains(gruppe + QStringLiteral("Munchen.png")));
    EXPECT_TRUE(QFileInfo::exists(gruppe + QStringLiteral("Munchen.png")));
    EXPECT_EQ(haupt.Statuszeile(), QStringLiteral("      3 Logos im Ordner: Umlaute"));
    EXPECT_EQ(haupt.LogoOrdner(), Pfad(Wurzel + QStringLiteral("Umlaute")));
}

TEST_F(Logoauswahl, ZweimalAnfuegenAuchGleicheNamenAusZweiGruppen) {
    LegeLogoAn(QStringLiteral("ARD"), QStringLiteral("zdf.png"), Qt::red);
    LegeLogoAn(QStringLiteral("ZDF"), QStringLiteral("zdf.png"), Qt::blue);
    LegeLogoAn(QStringLiteral("ZDF"), QStringLiteral("neo.png"), Qt::green);
    TMainForm& haupt = StarteMitListe();
    haupt.ComboBox1->setCurrentIndex(haupt.ComboBox1->findText(QStringLiteral("ARD")));
    const QString kopie = Pfad(QStringLiteral("Senvio-Listen/Sender-Logos/zdf.png"));
    const auto waehleUndFuegeAn = [&](int zeile) {
        haupt.SenderlogoanaktuellenEintrageinfuegen1Click();
        QTest::mouseClick(Kachel(QStringLiteral("zdf.png")), Qt::LeftButton);
        haupt.Listbox1->WaehleZeile(zeile);
        QTest::mouseClick(haupt.EinfuegenBtn, Qt::LeftButton);
    };

    haupt.SenderlogoanaktuellenEintrageinfuegen1Click();
    QTest::mouseClick(Kachel(QStringLiteral("zdf.png")), Qt::LeftButton);
    EXPECT_TRUE(haupt.IstListenModus());
    EXPECT_TRUE(Sichtbar({haupt.EinfuegenBtn, haupt.Image324, haupt.AbbruchBtn, haupt.TntLabel1}));
    EXPECT_FALSE(haupt.ComboBox1->isVisible() || haupt.ZurueckButton->isVisible() || haupt.Suchen1->isEnabled());
    EXPECT_EQ(haupt.TntLabel1->text(), QStringLiteral("zdf.png"));
    EXPECT_EQ(haupt.TntEdit1->text(), QStringLiteral("zdf"));
    EXPECT_EQ(haupt.Image324->pixmap().toImage().pixelColor(30, 20), QColor(Qt::red));
    EXPECT_EQ(haupt.Statuszeile(), Status(2, QStringLiteral("Astra")));
    haupt.Listbox1->WaehleZeile(0);
    QTest::mouseClick(haupt.EinfuegenBtn, Qt::LeftButton);
    EXPECT_EQ(haupt.Liste().Zeile(0), LogoZeile(1, QStringLiteral("Erste"), QStringLiteral("zdf.png")));
    EXPECT_FALSE(haupt.EinfuegenBtn->isVisible() || haupt.Image324->isVisible() || haupt.AbbruchBtn->isVisible() ||
                 haupt.TntLabel1->isVisible());
    EXPECT_TRUE(Lies(Pfad(QStringLiteral("Senvio-Listen/Astra.lis")))
                    .startsWith(LogoZeile(1, QStringLiteral("Erste"), QStringLiteral("zdf.png")).toLatin1() + "\r\n"));
    EXPECT_EQ(Lies(kopie), Lies(Pfad(Wurzel + QStringLiteral("ARD/zdf.png"))));
    // In the grid Ctrl+Z takes the logo back and Ctrl+Y attaches it again; the copy stays.
    haupt.SenderlogoanaktuellenEintrageinfuegen1Click();
    EXPECT_EQ(haupt.Rueckgaengig1->text(), QStringLiteral("Rückgängig: Senderlogo einfügen"));
    QTest::keyClick(haupt.ScrollBox1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Lies(Pfad(QStringLiteral("Senvio-Listen/Astra.lis"))),
              "    1   = Erste #png#Ohne Logo1.png\r\n    2   = Zweite #png#Ohne Logo2.png\r\n");
    EXPECT_TRUE(QFileInfo::exists(kopie));
    QTest::keyClick(haupt.ScrollBox1, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(haupt.Liste().Zeile(0), LogoZeile(1, QStringLiteral("Erste"), QStringLiteral("zdf.png")));
    haupt.SenderlogoanaktuellenEintrageinfuegen1Click();

    waehleUndFuegeAn(0);
    EXPECT_EQ(haupt.Liste().Zeile(0), LogoZeile(1, QStringLiteral("Erste"), QStringLiteral("zdf.png")));

    // The same name from another group replaces the copy for every entry.
    haupt.SenderlogoanaktuellenEintrageinfuegen1Click();
    haupt.ComboBox1->setCurrentIndex(haupt.ComboBox1->findText(QStringLiteral("ZDF")));
    haupt.ComboBox1Change();
    haupt.SenderlogoanaktuellenEintrageinfuegen1Click();
    waehleUndFuegeAn(1);
    EXPECT_EQ(haupt.Liste().Zeile(1), LogoZeile(2, QStringLiteral("Zweite"), QStringLiteral("zdf.png")));
    EXPECT_EQ(Lies(kopie), Lies(Pfad(Wurzel + QStringLiteral("ZDF/zdf.png"))));
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
}

TEST_F(Logoauswahl, ScheiterndeKopieWirdGemeldetDieZeileBehaeltDenNeuenPfad) {
    LegeLogoAn(QStringLiteral("ARD"), QStringLiteral("zdf.png"), Qt::red);
    TMainForm& haupt = StarteMitListe();
    ASSERT_TRUE(QDir(Pfad(QStringLiteral("Senvio-Listen/Sender-Logos"))).removeRecursively());
    Schreib(Pfad(QStringLiteral("Senvio-Listen/Sender-Logos")), "kein Ordner");
    haupt.SenderlogoanaktuellenEintrageinfuegen1Click();
    QTest::mouseClick(Kachel(QStringLiteral("zdf.png")), Qt::LeftButton);
    haupt.Listbox1->WaehleZeile(1);
    haupt.EinfuegenBtnClick();
    EXPECT_EQ(haupt.Liste().Zeile(1), LogoZeile(2, QStringLiteral("Zweite"), QStringLiteral("zdf.png")));
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Warnung"));
    EXPECT_TRUE(Dialoge::Meldungen()[0].text.contains(Pfad(QStringLiteral("Senvio-Listen/Sender-Logos/zdf.png"))));
}

TEST_F(Logoauswahl, RasterKommtDortZurueckWoEsVerlassenWurdeBisZumGruppenwechsel) {
    for (int i = 0; i < 60; ++i)
        LegeLogoAn(QStringLiteral("ARD"), QStringLiteral("logo%1.png").arg(i), Qt::red, {20, 10});
    TMainForm& haupt = StarteMitListe();
    haupt.SenderlogoanaktuellenEintrageinfuegen1Click();
    QScrollBar* leiste = haupt.ScrollBox1->verticalScrollBar();
    ASSERT_GT(leiste->maximum(), 1000); // (60 div 4 + 1) · 108 = 1728 high
    Rad(haupt.ScrollBox1->viewport(), -120);
    Rad(haupt.ComboBox1, -120);
    Rad(haupt.ScrollBox1->viewport(), 120);
    EXPECT_EQ(leiste->value(), 136);
    EXPECT_EQ(haupt.ComboBox1->currentIndex(), 0);
    Rad(haupt.ScrollBox1->viewport(), -60);
    Rad(haupt.ScrollBox1->viewport(), -60); // two half notches make one
    EXPECT_EQ(leiste->value(), 272);

    // Left (when shown) and opened again by the menu: the first tile's top in the scroll box.
    const auto wiederOffen = [&](int position) {
        if (haupt.IstLogoModus())
            haupt.SenderlogoanaktuellenEintrageinfuegen1->trigger();
        haupt.SenderlogoanaktuellenEintrageinfuegen1->trigger();
        ASSERT_TRUE(haupt.IstLogoModus());
        EXPECT_EQ(haupt.LogoKacheln()->Kacheln()[0]->mapTo(haupt.ScrollBox1->viewport(), QPoint()).y(), 12 - position);
    };
    QTest::mouseClick(haupt.LogoKacheln()->Kacheln()[12], Qt::LeftButton);
    ASSERT_TRUE(haupt.IstListenModus());
    QTest::mouseClick(haupt.AbbruchBtn, Qt::LeftButton);
    EXPECT_FALSE(haupt.EinfuegenBtn->isVisible() || haupt.AbbruchBtn->isVisible());
    // In the list the wheel moves the selection, never the hidden grid.
    Rad(haupt.Listbox1->viewport(), -120);
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 1);
    wiederOffen(272);
    // However it was scrolled last: a click on the bar, dragging its thumb, the keys.
    leiste->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const int seite = leiste->value();
    ASSERT_GT(seite, 272 + 400);
    QTest::mouseClick(haupt.ZurueckButton, Qt::LeftButton);
    wiederOffen(seite);
    leiste->setSliderDown(true);
    leiste->setSliderPosition(500);
    leiste->setSliderDown(false);
    wiederOffen(500);
    QTest::keyClick(haupt.ScrollBox1, Qt::Key_Up);
    wiederOffen(392);
    haupt.ComboBox1Change();
    wiederOffen(0);
    haupt.ZurueckButtonClick();
    EXPECT_TRUE(haupt.IstListenModus());
    EXPECT_FALSE(haupt.Suchen1->isEnabled());
}

TEST_F(Logoauswahl, SucheAusDerListeZeigtErstDasRasterUndOeffnetDieVorschauPerRechtsklick) {
    for (int i = 0; i < 40; ++i)
        LegeLogoAn(QStringLiteral("ARD"), QStringLiteral("logo%1.png").arg(i, 2, 10, QLatin1Char('0')), Qt::red,
                   {20, 10});
    TMainForm& haupt = StarteMitListe();
    haupt.SenderlogoanaktuellenEintrageinfuegen1Click();
    haupt.SenderlogoanaktuellenEintrageinfuegen1Click();
    ASSERT_TRUE(haupt.IstListenModus() && haupt.Suchen1->isEnabled());
    const QString gesucht = QFileInfo(haupt.LogoDateien()[10]).fileName();
    bool rasterWahrendDerSuche = false;
    Dialoge::SetzeNaechstenDialog([&](QDialog& dialog) {
        auto& suche = static_cast<TSuchForm&>(dialog);
        rasterWahrendDerSuche = haupt.IstLogoModus();
        EXPECT_EQ(suche.TntListBox1->count(), 40);
        suche.TntEdit1->setText(gesucht.toUpper());
        suche.SuchBtnClick();
        EXPECT_EQ(suche.TntListBox2->count(), 1);
        suche.TntListBox2->setCurrentRow(0);
        suche.ListBox2DblClick();
        return suche.result();
    });
    haupt.Suchen1->trigger();
    EXPECT_TRUE(rasterWahrendDerSuche);
    // Tile 10 of 40 stands at 228x228; the grid scrolls to 162, the click goes 40
    // pixels into the tile.
    EXPECT_EQ(haupt.ScrollBox1->verticalScrollBar()->value(), 162);
    TGrossImageForm& gross = *haupt.Fenster().grossBild;
    EXPECT_FALSE(gross.isVisible());
    EXPECT_TRUE(haupt.Timer1->isActive());
    EXPECT_EQ(haupt.Timer1->interval(), 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return gross.isVisible(); }, 5000));
    EXPECT_EQ(gross.windowTitle(), gesucht);
    EXPECT_EQ(QCursor::pos(), haupt.ScrollBox1->viewport()->mapToGlobal(QPoint(268, 106)));
    EXPECT_FALSE(haupt.Timer1->isActive());
}

// The review of the automatic logos: what is ticked, a click on a proposal, "Übernehmen"
// attaching in one step; entries with a logo only when asked; "Abbrechen" and no find
// change nothing.
TEST_F(Logoauswahl, AutomatischeLogosNachDerPruefung) {
    LegeLogoAn(QStringLiteral("ARD"), QStringLiteral("daserstehd.png"), Qt::red);
    LegeLogoAn(QStringLiteral("ARD"), QStringLiteral("mdrthueringen.png"), Qt::green);
    LegeLogoAn(QStringLiteral("ARD"), QStringLiteral("phoenix.png"), Qt::yellow);
    LegeLogoAn(QStringLiteral("Andere"), QStringLiteral("ZDF.png"), Qt::blue);
    LegeLogoAn(QStringLiteral("ZDF"), QStringLiteral("zdf.png"), Qt::cyan);
    LegeLogoAn(QStringLiteral("ZDF"), QStringLiteral("arte.png"), Qt::gray);
    LegeAn(QStringLiteral("Senvio-Listen/Sender-Logos"));
    QImage alt(20, 20, QImage::Format_RGB32);
    alt.fill(Qt::black);
    ASSERT_TRUE(alt.save(Pfad(QStringLiteral("Senvio-Listen/Sender-Logos/alt.png"))));
    Schreib(Pfad(QStringLiteral("senvio.ini")), "[Einstellung]\nListenName=Astra\n");
    const QString arte = LogoZeile(3, QStringLiteral("Arte"), QStringLiteral("alt.png"));
    const QByteArray vorher = "    1   = Das Erste HD #png#Ohne Logo1.png\r\n    2   = ZDF #png#Ohne Logo2.png\r\n" +
                              arte.toLatin1() +
                              "\r\n    4   = MDR Th\xFCringen #png#Ohne Logo3.png\r\n"
                              "    5   = Phoenixx #png#Ohne Logo4.png\r\n    6   = Welle #png#Ohne Logo1.png\r\n";
    Schreib(Pfad(QStringLiteral("Senvio-Listen/Astra.lis")), vorher);
    TMainForm& haupt = Starte();

    QStringList gezeigt;
    const auto pruefe = [&](bool uebernehmen) {
        Dialoge::SetzeNaechstenDialog([&, uebernehmen](QDialog& d) {
            auto& dialog = dynamic_cast<TLogozuordnungForm&>(d);
            dialog.show();
            for (int zeile = 0; zeile < dialog.Tabelle->rowCount(); ++zeile)
                gezeigt << QStringLiteral("%1%2 %3 | %4 | %5")
                               .arg(dialog.Tabelle->isRowHidden(zeile) ? QStringLiteral("(verborgen) ") : QString())
                               .arg(dialog.Tabelle->item(zeile, 0)->checkState() == Qt::Checked ? 'x' : '-')
                               .arg(dialog.Tabelle->item(zeile, 0)->text(), dialog.Tabelle->item(zeile, 3)->text(),
                                    dialog.Tabelle->item(zeile, 4)->text());
            // A click on the blue "ZDF.png" ticks it; a click on "phoenix.png" and another take its tick again.
            for (const int zeile : {1, 5, 5}) {
                QTableWidgetItem* vorschlag = dialog.Tabelle->item(zeile, 2);
                dialog.Tabelle->scrollToItem(vorschlag);
                QTest::mouseClick(dialog.Tabelle->viewport(), Qt::LeftButton, {},
                                  dialog.Tabelle->visualItemRect(vorschlag).center());
            }
            EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.KachelnGeladen(); }, 5000));
            EXPECT_FALSE(dialog.Fortschritt->isVisible());
            EXPECT_FALSE(dialog.Tabelle->item(0, 2)->data(Qt::DecorationRole).isNull());
            gezeigt << dialog.Summe->text() << dialog.Ersetzen->text();
            dialog.Ersetzen->setChecked(uebernehmen); // Arte's logo is replaced as well
            (uebernehmen ? dialog.Uebernehmen : dialog.Abbrechen)->click();
            return dialog.result();
        });
        haupt.Logosautomatischzuordnen1->trigger();
    };
    pruefe(false);
    EXPECT_EQ(Lies(Pfad(QStringLiteral("Senvio-Listen/Astra.lis"))), vorher);
    EXPECT_FALSE(QFileInfo::exists(Pfad(QStringLiteral("Senvio-Listen/Sender-Logos/daserstehd.png"))));
    const QStringList erwartet{QStringLiteral("x Nr. 1  Das Erste HD | daserstehd.png\nARD | gleicher Name"),
                               QStringLiteral("- Nr. 2  ZDF | ZDF.png\nAndere | gleicher Name"),
                               QStringLiteral("- Nr. 2  ZDF | zdf.png\nZDF | gleicher Name"),
                               QStringLiteral("(verborgen) x Nr. 3  Arte | arte.png\nZDF | gleicher Name"),
                               QStringLiteral("x Nr. 4  MDR Thüringen | mdrthueringen.png\nARD | gleicher Name"),
                               QStringLiteral("- Nr. 5  Phoenixx | phoenix.png\nARD | ähnlicher Name"),
                               QStringLiteral("Eindeutig gefunden: 2   Mit Vorschlägen: 2   Angehakt: 3"),
                               QStringLiteral("Auch Einträge mit Logo neu zuordnen (1)")};
    EXPECT_EQ(gezeigt, erwartet);

    gezeigt.clear();
    pruefe(true);
    EXPECT_EQ(gezeigt, erwartet);
    EXPECT_EQ(Lies(Pfad(QStringLiteral("Senvio-Listen/Astra.lis"))),
              (LogoZeile(1, QStringLiteral("Das Erste HD"), QStringLiteral("daserstehd.png")) + QStringLiteral("\r\n") +
               LogoZeile(2, QStringLiteral("ZDF"), QStringLiteral("ZDF.png")) + QStringLiteral("\r\n") +
               LogoZeile(3, QStringLiteral("Arte"), QStringLiteral("arte.png")) + QStringLiteral("\r\n") +
               LogoZeile(4, QStringLiteral("MDR Thüringen"), QStringLiteral("mdrthueringen.png")) +
               QStringLiteral("\r\n    5   = Phoenixx #png#Ohne Logo4.png\r\n    6   = Welle #png#Ohne Logo1.png\r\n"))
                  .toLatin1());
    for (const auto& [kopie, quelle] :
         {std::pair(QStringLiteral("daserstehd.png"), QStringLiteral("ARD/daserstehd.png")),
          std::pair(QStringLiteral("ZDF.png"), QStringLiteral("Andere/ZDF.png")),
          std::pair(QStringLiteral("mdrthueringen.png"), QStringLiteral("ARD/mdrthueringen.png"))})
        EXPECT_EQ(Lies(Pfad(QStringLiteral("Senvio-Listen/Sender-Logos/") + kopie)), Lies(Pfad(Wurzel + quelle)))
            << kopie.toStdString();
    // The whole review is one step; taking it back leaves the copies.
    EXPECT_EQ(haupt.Rueckgaengig1->text(), QStringLiteral("Rückgängig: Logos automatisch zuordnen"));
    haupt.Rueckgaengig1->trigger();
    EXPECT_EQ(Lies(Pfad(QStringLiteral("Senvio-Listen/Astra.lis"))), vorher);
    EXPECT_TRUE(QFileInfo::exists(Pfad(QStringLiteral("Senvio-Listen/Sender-Logos/daserstehd.png"))));
    haupt.Wiederholen1->trigger(); // the logos again, for what follows
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());

    // Without the groups only the copies are left, and what an entry shows already is no find.
    ASSERT_TRUE(QDir(Pfad(Wurzel)).removeRecursively());
    haupt.Logosautomatischzuordnen1->trigger();
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].text,
              QStringLiteral("Für keinen Eintrag der Liste wurde ein passendes Logo gefunden."));
}

TEST(MachPause, WarteLaesstNachrichtenLaufenNullKehrtSofortZurueck) {
    TMachPause pause;
    EXPECT_EQ(pause.Interval(), 1000);
    bool gelaufen = false;
    QTimer::singleShot(0, [&] { gelaufen = true; });
    pause.Warte(0);
    pause.Warte(-5);
    EXPECT_FALSE(gelaufen);
    pause.Warte(20);
    EXPECT_TRUE(gelaufen);
    EXPECT_EQ(pause.Interval(), 20);
}

} // namespace
} // namespace senvio::test
