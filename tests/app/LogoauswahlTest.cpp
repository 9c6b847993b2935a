// The logo library in the real main window: loading a group into the grid, picking,
// attaching, scrolling, the search with its timed right click and the large preview.
#include "ProgrammOrdnerFixture.h"

#include "app/MachPause.h"
#include "logos/GrossImageForm.h"
#include "logos/Logoraster.h"
#include "logos/LogozuordnungForm.h"
#include "logos/SuchForm.h"

#include <QTimer>

namespace senvio::test {
namespace {

const QString Wurzel = u"TV und Radio Sender Logos/"_s;

class Logoauswahl : public ProgrammOrdnerTest {
protected:
    void LegeLogoAn(const QString& gruppe, const QString& name, QColor farbe, QSize groesse = {200, 100}) {
        LegeAn(Wurzel + gruppe);
        QImage bild(groesse, QImage::Format_RGB32);
        bild.fill(farbe);
        ASSERT_TRUE(bild.save(Pfad(Wurzel + gruppe + u'/' + name), "PNG"));
    }
    void WaehleGruppe(const QString& name) {
        auto* gruppen = Teil<QComboBox>("ComboBox1");
        gruppen->setCurrentIndex(gruppen->findText(name));
        emit gruppen->activated(gruppen->currentIndex());
    }
    const QList<Logokachel*>& Kacheln() { return static_cast<Logoraster*>(Raster()->widget())->Kacheln(); }
    Logokachel* Kachel(const QString& name) {
        const QStringList& dateien = Haupt().Logoauswahl().Logodateien();
        for (qsizetype i = 0; i < dateien.size(); ++i)
            if (QFileInfo(dateien[i]).fileName() == name)
                return Kacheln()[i];
        ADD_FAILURE() << "keine Kachel " << name.toStdString();
        return nullptr;
    }
    static void Maus(QWidget* ziel, QEvent::Type art, Qt::MouseButton taste) {
        QMouseEvent ereignis(art, QPointF(48, 48), ziel->mapToGlobal(QPointF(48, 48)), taste, taste, Qt::NoModifier);
        QApplication::sendEvent(ziel, &ereignis);
    }
    static QString LogoZeile(int nummer, const QString& name, const QString& datei) {
        return u"    %1   = %2 #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\%3"_s.arg(nummer).arg(name,
                                                                                                            datei);
    }
    // Which of the controls are shown, as a string of 0 and 1.
    QString Sichtbar(std::initializer_list<const char*> namen) {
        QString sichtbar;
        for (const char* name : namen)
            sichtbar += Teil(name)->isVisible() ? u'1' : u'0';
        return sichtbar;
    }
    const QByteArray zwei = "    1   = Erste #png#Ohne Logo1.png\r\n    2   = Zweite #png#Ohne Logo2.png\r\n";
};

TEST_F(Logoauswahl, GruppeLaedtKachelnZeilenweiseUndFehlerhafteLogosZeigenFehler) {
    LegeLogoAn(u"ARD"_s, u"rot.png"_s, Qt::red);
    Schreib(Pfad(Wurzel + u"ARD/kaputt.png"_s), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16));
    LegeLogoAn(u"ZDF"_s, u"zdf.png"_s, Qt::blue);
    TMainForm& haupt = StarteMit(zwei);
    Logomodus();
    EXPECT_EQ(haupt.Statuszeile(), u"      2 Logos im Ordner: ARD"_s);

    Maus(Kachel(u"rot.png"_s), QEvent::MouseMove, Qt::NoButton);
    EXPECT_EQ(haupt.Statuszeile(), u"     rot.png"_s);

    // The left button refuses a broken logo; the right one shows its error instead of the preview.
    Maus(Kachel(u"kaputt.png"_s), QEvent::MouseButtonPress, Qt::LeftButton);
    Maus(Kachel(u"kaputt.png"_s), QEvent::MouseButtonPress, Qt::RightButton);
    ASSERT_EQ(Meldungen().size(), 2);
    EXPECT_TRUE(Meldungen()[0].startsWith(u"Information: "_s) && Meldungen()[0].contains(u"\"kaputt.png\""_s));
    EXPECT_TRUE(Meldungen()[1].startsWith(u"Senvio-Liste: "_s) && Meldungen()[1].contains(u"kaputt.png"_s));
    EXPECT_TRUE(haupt.IstLogoModus());
    TGrossImageForm& gross = haupt.Fenster().grossBild;
    EXPECT_FALSE(gross.isVisible());

    Maus(Kachel(u"rot.png"_s), QEvent::MouseButtonPress, Qt::RightButton);
    ASSERT_TRUE(gross.isVisible());
    EXPECT_EQ(gross.windowTitle(), u"rot.png"_s);
    auto* bild = Teil<GestrecktesBild>(gross, "Image1");
    EXPECT_EQ(bild->Bild().size(), QSize(200, 100));
    Maus(bild, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_FALSE(gross.isVisible());

    WaehleGruppe(u"ZDF"_s);
    EXPECT_EQ(haupt.Logoauswahl().Logodateien(), QStringList{Pfad(Wurzel + u"ZDF/zdf.png"_s)});
    EXPECT_EQ(haupt.Statuszeile(), u"      1 Logos im Ordner: ZDF"_s);
}

TEST_F(Logoauswahl, ZweimalAnfuegenAuchGleicheNamenAusZweiGruppen) {
    LegeLogoAn(u"ARD"_s, u"zdf.png"_s, Qt::red);
    LegeLogoAn(u"ZDF"_s, u"zdf.png"_s, Qt::blue);
    TMainForm& haupt = StarteMit(zwei);
    const QString kopie = Pfad(u"Senvio-Listen/Sender-Logos/zdf.png"_s);
    const QString erste = LogoZeile(1, u"Erste"_s, u"zdf.png"_s);

    Logomodus();
    QTest::mouseClick(Kachel(u"zdf.png"_s), Qt::LeftButton);
    EXPECT_TRUE(haupt.IstListenModus());
    EXPECT_EQ(Sichtbar({"EinfuegenBtn", "Image324", "AbbruchBtn", "TntLabel1", "ComboBox1", "ZurueckButton"}),
              u"111100"_s);
    EXPECT_FALSE(Teil<QAction>("Suchen1")->isEnabled());
    EXPECT_EQ(Teil<QLabel>("TntLabel1")->text(), u"zdf.png"_s);
    EXPECT_EQ(Teil<QLabel>("Image324")->pixmap().toImage().pixelColor(30, 20), QColor(Qt::red));
    Ansicht().WaehleZeile(0);
    QTest::mouseClick(Teil("EinfuegenBtn"), Qt::LeftButton);
    EXPECT_EQ(haupt.Liste().Zeile(0), erste);
    EXPECT_EQ(Sichtbar({"EinfuegenBtn", "Image324", "AbbruchBtn", "TntLabel1"}), u"0000"_s);
    EXPECT_TRUE(Lies(Liste(u"Astra.lis"_s)).startsWith(erste.toLatin1() + "\r\n"));
    EXPECT_EQ(Lies(kopie), Lies(Pfad(Wurzel + u"ARD/zdf.png"_s)));
    // In the grid Ctrl+Z takes the logo back and Ctrl+Y attaches it again; the copy stays.
    Logomodus();
    EXPECT_EQ(Teil<QAction>("Rueckgaengig1")->text(), u"Rückgängig: Senderlogo einfügen"_s);
    QTest::keyClick(Raster(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)), zwei);
    EXPECT_TRUE(QFileInfo::exists(kopie));
    QTest::keyClick(Raster(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(haupt.Liste().Zeile(0), erste);
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
}

TEST_F(Logoauswahl, RasterKommtDortZurueckWoEsVerlassenWurdeBisZumGruppenwechsel) {
    for (int i = 0; i < 60; ++i)
        LegeLogoAn(u"ARD"_s, u"logo%1.png"_s.arg(i), Qt::red, {20, 10});
    TMainForm& haupt = StarteMit(zwei);
    Logomodus();
    QScrollBar* leiste = Raster()->verticalScrollBar();
    ASSERT_GT(leiste->maximum(), 1000); // (60 div 4 + 1) · 108 = 1728 high
    Rad(Raster()->viewport(), -120);
    Rad(Teil("ComboBox1"), -120);
    Rad(Raster()->viewport(), 120);
    EXPECT_EQ(leiste->value(), 136);
    Rad(Raster()->viewport(), -120);

    // Left (when shown) and opened again by the menu: the first tile's top in the scroll box.
    const auto wiederOffen = [&](int position) {
        if (haupt.IstLogoModus())
            Logomodus();
        Logomodus();
        ASSERT_TRUE(haupt.IstLogoModus());
        EXPECT_EQ(Kacheln()[0]->mapTo(Raster()->viewport(), QPoint()).y(), 12 - position);
    };
    QTest::mouseClick(Kacheln()[12], Qt::LeftButton);
    QTest::mouseClick(Teil("AbbruchBtn"), Qt::LeftButton);
    EXPECT_EQ(Sichtbar({"EinfuegenBtn", "AbbruchBtn"}), u"00"_s);
    // In the list the wheel moves the selection, never the hidden grid.
    Rad(Ansicht().viewport(), -120);
    EXPECT_EQ(Ansicht().AktuelleZeile(), 1);
    wiederOffen(272);
    QTest::keyClick(Raster(), Qt::Key_Up); // however it was scrolled last
    wiederOffen(164);
    WaehleGruppe(u"ARD"_s);
    wiederOffen(0);
    QTest::mouseClick(Teil("ZurueckButton"), Qt::LeftButton);
    EXPECT_FALSE(haupt.IstLogoModus() || Teil<QAction>("Suchen1")->isEnabled());
}

TEST_F(Logoauswahl, SucheAusDerListeZeigtDasRasterUndOeffnetDieVorschauPerRechtsklick) {
    for (int i = 0; i < 40; ++i)
        LegeLogoAn(u"ARD"_s, u"logo%1.png"_s.arg(i, 2, 10, QLatin1Char('0')), Qt::red, {20, 10});
    TMainForm& haupt = StarteMit(zwei);
    Logomodus();
    Logomodus();
    Dialoge::SetzeNaechstenDialog([&](QDialog& dialog) {
        auto& suche = static_cast<TSuchForm&>(dialog);
        Teil<QLineEdit>(suche, "TntEdit1")->setText(u"LOGO10.PNG"_s);
        suche.SuchBtnClick();
        Teil<QListWidget>(suche, "TntListBox2")->setCurrentRow(0);
        suche.ListBox2DblClick();
        return suche.result();
    });
    Befehl("Suchen1");
    // Tile 10 of 40 stands at 228x228: the grid scrolls to 162, and half a second later
    // the right click goes 40 pixels into the tile.
    EXPECT_TRUE(haupt.IstLogoModus());
    EXPECT_EQ(Raster()->verticalScrollBar()->value(), 162);
    TGrossImageForm& gross = haupt.Fenster().grossBild;
    EXPECT_FALSE(gross.isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return gross.isVisible(); }, 5000));
    EXPECT_EQ(gross.windowTitle(), u"logo10.png"_s);
    EXPECT_EQ(QCursor::pos(), Raster()->viewport()->mapToGlobal(QPoint(268, 106)));
}

// The review of the automatic logos: what is ticked, a click on a proposal, "Übernehmen"
// attaching in one step; entries with a logo only when asked; a broken file of the same
// name passed over and told; no find changes nothing.
TEST_F(Logoauswahl, AutomatischeLogosNachDerPruefung) {
    LegeLogoAn(u"ARD"_s, u"daserstehd.png"_s, Qt::red);
    Schreib(Pfad(Wurzel + u"ARD/Das Erste HD.png"_s), {});
    LegeLogoAn(u"ARD"_s, u"phoenix.png"_s, Qt::yellow);
    LegeLogoAn(u"Andere"_s, u"ZDF.png"_s, Qt::blue);
    LegeLogoAn(u"ZDF"_s, u"zdf.png"_s, Qt::cyan);
    LegeLogoAn(u"ZDF"_s, u"arte.png"_s, Qt::gray);
    LegeAn(u"Senvio-Listen/Sender-Logos"_s);
    ASSERT_TRUE(QImage(20, 20, QImage::Format_RGB32).save(Pfad(u"Senvio-Listen/Sender-Logos/alt.png"_s)));
    const QString arte = LogoZeile(3, u"Arte"_s, u"alt.png"_s);
    const QByteArray vorher = "    1   = Das Erste HD #png#Ohne Logo1.png\r\n    2   = ZDF #png#Ohne Logo2.png\r\n" +
                              arte.toLatin1() + "\r\n    4   = Phoenixx #png#Ohne Logo4.png\r\n";
    StarteMit(vorher);

    QStringList gezeigt;
    Dialoge::SetzeNaechstenDialog([&](QDialog& d) {
        auto& dialog = dynamic_cast<TLogozuordnungForm&>(d);
        auto* tabelle = Teil<QTableWidget>(dialog, "Tabelle");
        auto* ersetzen = Teil<QCheckBox>(dialog, "Ersetzen");
        dialog.show();
        for (int zeile = 0; zeile < tabelle->rowCount(); ++zeile)
            gezeigt << u"%1%2 %3 | %4 | %5"_s.arg(tabelle->isRowHidden(zeile) ? u"(verborgen) "_s : QString())
                           .arg(tabelle->item(zeile, 0)->checkState() == Qt::Checked ? 'x' : '-')
                           .arg(tabelle->item(zeile, 0)->text(), tabelle->item(zeile, 3)->text(),
                                tabelle->item(zeile, 4)->text());
        // A click on the blue "ZDF.png" ticks it; a click on "phoenix.png" and another take its tick again.
        for (const int zeile : {1, 4, 4}) {
            QTableWidgetItem* vorschlag = tabelle->item(zeile, 2);
            tabelle->scrollToItem(vorschlag);
            QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {}, tabelle->visualItemRect(vorschlag).center());
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.KachelnGeladen(); }, 5000));
        EXPECT_FALSE(tabelle->item(0, 2)->data(Qt::DecorationRole).isNull());
        gezeigt << Teil<QLabel>(dialog, "Summe")->text() << ersetzen->text()
                << Teil<QLabel>(dialog, "Hinweise")->text();
        ersetzen->setChecked(true); // Arte's logo is replaced as well
        Teil<QPushButton>(dialog, "Uebernehmen")->click();
        return dialog.result();
    });
    Befehl("Logosautomatischzuordnen1");
    EXPECT_EQ(gezeigt, (QStringList{u"x Nr. 1  Das Erste HD | daserstehd.png\nARD | gleicher Name"_s,
                                    u"- Nr. 2  ZDF | ZDF.png\nAndere | gleicher Name"_s,
                                    u"- Nr. 2  ZDF | zdf.png\nZDF | gleicher Name"_s,
                                    u"(verborgen) x Nr. 3  Arte | arte.png\nZDF | gleicher Name"_s,
                                    u"- Nr. 4  Phoenixx | phoenix.png\nARD | ähnlicher Name"_s,
                                    u"Eindeutig gefunden: 1   Mit Vorschlägen: 2   Angehakt: 2"_s,
                                    u"Auch Einträge mit Logo neu zuordnen (1)"_s,
                                    u"1 Logodatei ist beschädigt und wurde übergangen: Das Erste HD.png (ARD)."_s}));
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)),
              QStringList({LogoZeile(1, u"Das Erste HD"_s, u"daserstehd.png"_s), LogoZeile(2, u"ZDF"_s, u"ZDF.png"_s),
                           LogoZeile(3, u"Arte"_s, u"arte.png"_s), u"    4   = Phoenixx #png#Ohne Logo4.png\r\n"_s})
                  .join(u"\r\n"_s)
                  .toLatin1());
    // The whole review is one step.
    EXPECT_EQ(Teil<QAction>("Rueckgaengig1")->text(), u"Rückgängig: Logos automatisch zuordnen"_s);
    Befehl("Rueckgaengig1");
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)), vorher);
    Befehl("Wiederholen1"); // the logos again: what an entry shows already is no find
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());

    ASSERT_TRUE(QDir(Pfad(Wurzel)).removeRecursively());
    Befehl("Logosautomatischzuordnen1");
    EXPECT_EQ(Meldungen(),
              QStringList{u"Information: Für keinen Eintrag der Liste wurde ein passendes Logo gefunden."_s});
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
