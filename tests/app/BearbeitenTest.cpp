// "Eintrag bearbeiten", "Neuer Texteintrag einfügen" and "Eintrag löschen" on the real main window.
#include "ProgrammOrdnerFixture.h"

#include "list/ListenDatei.h"

#include <QClipboard>

#include <functional>

namespace senvio::test {
namespace {

class Bearbeiten : public ProgrammOrdnerTest {
protected:
    const QByteArray fuenf = "    1   = ARD #png#ard.png\r\n    2   = ZDF #png#Ohne Logo1.png\r\n"
                             "    3   = ZDF #png#zdf.png\r\n    4   = Arte #png#Ohne Logo2.png\r\n"
                             "    5   = Phoenix #png#Ohne Logo3.png\r\n";

    QString Datei() const { return Liste(u"Astra.lis"_s); }
    // The edit dialog's name field runs this on it, then closes with the answer.
    static void BearbeiteFeld(std::function<void(QLineEdit&)> tippe, int antwort = QDialog::Accepted) {
        Dialoge::SetzeNaechstenDialog([=](QDialog& dialog) {
            tippe(*Teil<QLineEdit>(dialog, "TntEdit1"));
            return antwort;
        });
    }
    // Edits the current entry with the counter at "zaehler"; returns what the field showed.
    QString Bearbeite(int zaehler, const QString& name, bool entfernen, int antwort = QDialog::Accepted) {
        // Shared: a handler no dialog took stays queued until the test ends.
        auto gezeigt = std::make_shared<QString>(u"nicht gezeigt"_s);
        Dialoge::SetzeNaechstenDialog([=](QDialog& dialog) {
            auto* feld = Teil<QLineEdit>(dialog, "TntEdit1");
            *gezeigt = feld->text();
            feld->setText(name);
            Teil<QCheckBox>(dialog, "LogoEntfernenCheckBox")->setChecked(entfernen);
            return antwort;
        });
        Haupt().UeberschreibePlatzhalterzaehler(zaehler);
        Befehl("Eintragbearbeiten1");
        return *gezeigt;
    }
    TTextlistenForm& Waehler() { return *Haupt().Fenster().textliste; }
    QListWidget* Namen() { return Teil<QListWidget>(Waehler(), "TntListBox1"); }
    void Einfuegen() { Teil<QPushButton>(Waehler(), "Button1")->click(); }
    void OeffneWaehler(const QString& datei, const QByteArray& namen) {
        Schreib(Pfad(datei), namen);
        Dialoge::SetzeNaechstenDateinamen(Pfad(datei));
        Befehl("NeuerTexteintrageinfuegen1");
    }
};

TEST_F(Bearbeiten, EintragDreiBearbeitenUndDerPlatzhalterzaehler) {
    TMainForm& haupt = StarteMit(fuenf);
    Ansicht().WaehleZeile(2);
    EXPECT_EQ(Bearbeite(2, u"  ZDF HD  "_s, false), u"ZDF"_s);
    EXPECT_EQ(haupt.Liste().Zeile(2), u"    3   = ZDF HD #png#zdf.png"_s);
    EXPECT_EQ(haupt.Platzhalterzaehler(), 3);
    EXPECT_TRUE(Lies(Datei()).contains("    3   = ZDF HD #png#zdf.png\r\n    4   = "));
    // Taken back and made again, each saved; the captions name the step, greyed without one.
    QAction* rueckgaengig = Teil<QAction>("Rueckgaengig1");
    QAction* wiederholen = Teil<QAction>("Wiederholen1");
    EXPECT_EQ(std::pair(rueckgaengig->text(), wiederholen->isEnabled()),
              std::pair(u"Rückgängig: Eintrag bearbeiten"_s, false));
    rueckgaengig->trigger();
    EXPECT_EQ(Lies(Datei()), fuenf);
    EXPECT_EQ(std::tuple(rueckgaengig->isEnabled(), rueckgaengig->text(), wiederholen->text()),
              std::tuple(false, u"Rückgängig"_s, u"Wiederholen: Eintrag bearbeiten"_s));
    QTest::keyClick(&Ansicht(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(Lies(Datei()).contains("    3   = ZDF HD #png#zdf.png\r\n    4   = "));
    // Ticked with the counter at 4: placeholder 1.
    Bearbeite(4, u"ZDF HD"_s, true);
    EXPECT_EQ(std::tuple(haupt.Liste().Zeile(2), haupt.Platzhalterzaehler()),
              std::tuple(u"    3   = ZDF HD #png#Ohne Logo1.png"_s, 1));
    // "Abbrechen" changes nothing; without a current entry no dialog shows.
    Bearbeite(1, u"Weg"_s, false, QDialog::Rejected);
    Ansicht().WaehleZeile(-1);
    EXPECT_EQ(Bearbeite(1, u"Weg"_s, false), u"nicht gezeigt"_s);
    EXPECT_EQ(haupt.Liste().Zeile(2), u"    3   = ZDF HD #png#Ohne Logo1.png"_s);
}

// A line break pasted into the name becomes a blank: the file still holds one entry per
// line. In the logo grid the keys typed into the dialog reach it as well.
TEST_F(Bearbeiten, EingefuegterZeilenumbruchUndTastenImLogomodus) {
    TMainForm& haupt = StarteMit(fuenf);
    Ansicht().WaehleZeile(2);
    QGuiApplication::clipboard()->setText(u"ZDF HD\nInfo\n"_s);
    BearbeiteFeld([](QLineEdit& feld) {
        feld.selectAll();
        QTest::keyClick(&feld, Qt::Key_V, Qt::ControlModifier);
    });
    Befehl("Eintragbearbeiten1");
    SenderListe gelesen;
    LeseListendatei(Datei(), gelesen);
    ASSERT_EQ(gelesen.Anzahl(), 5);
    EXPECT_EQ(gelesen.Zeilen().mid(2, 2),
              (QStringList{u"    3   = ZDF HD Info #png#zdf.png"_s, u"    4   = Arte #png#Ohne Logo2.png"_s}));

    Befehl("SenderlogoanaktuellenEintrageinfuegen1");
    ASSERT_TRUE(haupt.IstLogoModus());
    Ansicht().WaehleZeile(0);
    BearbeiteFeld([](QLineEdit& feld) { QTest::keyClicks(&feld, u" HD"_s); });
    Befehl("Eintragbearbeiten1");
    EXPECT_EQ(haupt.Liste().Zeile(0), u"    1   = ARD HD #png#ard.png"_s);
}

TEST_F(Bearbeiten, DreiNamenNachPlatzhalterDreiUndDerVorlaeufigePraefix) {
    TMainForm& haupt = StarteMit(fuenf);
    OeffneWaehler(u"Sender.txt"_s, "Arte\r\n 3sat \r\nKiKA\r\n");
    EXPECT_EQ(Dialoge::LetzterDateidialogOrdner(), m_pfad + u"Senvio-Listen/"_s);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Waehler()));
    Einfuegen(); // no name selected: nothing happens
    EXPECT_EQ(haupt.Liste().Anzahl(), 5);

    haupt.UeberschreibePlatzhalterzaehler(3);
    Dialoge::SetzeNaechsteAntwort(false); // "Arte" stands in the list already: "Nein", then "Ja"
    Namen()->setCurrentRow(0);
    Einfuegen();
    EXPECT_EQ(Meldungen(), QStringList{u"Bestätigung: „Arte“ steht schon unter Nr. 4 in der Liste. Trotzdem "
                                       "einfügen?"_s});
    EXPECT_EQ(Lies(Datei()), fuenf);
    Dialoge::SetzeNaechsteAntwort(true);
    Einfuegen();
    EXPECT_EQ(Lies(Datei()), fuenf + "  6 = Arte #png#Ohne Logo4.png\r\n");
    EXPECT_EQ(Ansicht().AktuelleZeile(), 5);
    EXPECT_EQ(haupt.Statuszeile(), Status(6, u"Astra"_s));
    QTest::keyClick(Namen(), Qt::Key_Z, Qt::ControlModifier); // from the picker's window too
    EXPECT_EQ(Lies(Datei()), fuenf);
    Befehl("Wiederholen1");
    // A double click inserts as well; blanks at the name's ends go.
    QWidget* flaeche = Namen()->viewport();
    const QPoint zweiter = Namen()->visualItemRect(Namen()->item(1)).center();
    QTest::mousePress(flaeche, Qt::LeftButton, {}, zweiter);
    QMouseEvent doppel(QEvent::MouseButtonDblClick, zweiter, flaeche->mapToGlobal(zweiter), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(flaeche, &doppel);
    EXPECT_EQ(Lies(Datei()), fuenf + "    6   = Arte #png#Ohne Logo4.png\r\n  7 = 3sat #png#Ohne Logo1.png\r\n");
    Namen()->setCurrentRow(2);
    QTest::keyClick(Namen(), Qt::Key_Return);
    EXPECT_EQ(haupt.Liste().Zeilen().mid(5),
              (QStringList{u"    6   = Arte #png#Ohne Logo4.png"_s, u"    7   = 3sat #png#Ohne Logo1.png"_s,
                           u"    8   = KiKA #png#Ohne Logo2.png"_s}));
}

// Tab-separated columns line up every 100 dialog units, 25 average character widths.
TEST_F(Bearbeiten, TabstoppsUndAbbrechenVerkleinertDenWaehlerErstNachDemSchliessenKommtDerDateidialog) {
    StarteMit(fuenf);
    OeffneWaehler(u"Sender.txt"_s, "B\r\n\tB\r\n");
    const QImage bild = Namen()->viewport()->grab().toImage();
    const auto tinteAb = [&](int zeile) { // the first column of the row with ink in it
        const QRect feld = Namen()->visualItemRect(Namen()->item(zeile));
        for (int x = feld.left(); x <= feld.right(); ++x)
            for (int y = feld.top(); y <= feld.bottom(); ++y)
                if (qGray(bild.pixel(x, y)) < 128)
                    return x;
        return -1;
    };
    EXPECT_NEAR(tinteAb(1) - tinteAb(0), 25 * QFontMetrics(Namen()->font()).averageCharWidth(), 1);

    Teil<QPushButton>(Waehler(), "Button2")->click();
    EXPECT_TRUE(Waehler().isMinimized() && Waehler().isVisible());
    Befehl("NeuerTexteintrageinfuegen1"); // no file name queued: none asked for
    EXPECT_FALSE(Waehler().isMinimized());
    EXPECT_EQ(Namen()->item(1)->text(), u"\tB"_s);

    Waehler().close();
    Schreib(Pfad(u"binaer.txt"_s), QByteArray("ARD\0\0\0", 6)); // no text
    for (const QString& datei : {Pfad(u"fehlt.txt"_s), Pfad(u"binaer.txt"_s)}) {
        Dialoge::LeereProtokoll();
        Dialoge::SetzeNaechstenDateinamen(datei);
        Befehl("NeuerTexteintrageinfuegen1");
        EXPECT_EQ(Meldungen(), QStringList{u"Senvio-Liste: Datei "_s + datei + u" kann nicht geöffnet werden."_s});
        EXPECT_FALSE(Waehler().isVisible());
    }
}

TEST_F(Bearbeiten, LoeschenDesFuenftenDesErstenUndDesEinzigenEintrags) {
    TMainForm& haupt = StarteMit(fuenf);
    const auto loesche = [&](int zeile, bool ja) {
        Ansicht().WaehleZeile(zeile);
        Dialoge::SetzeNaechsteAntwort(ja);
        Befehl("Eintraglschen1");
    };
    loesche(4, true);
    EXPECT_EQ(Meldungen(),
              QStringList{u"Bestätigung: Möchten Sie den Eintrag: \"    5   = Phoenix \" wirklich löschen?"_s});
    EXPECT_EQ(Ansicht().AktuelleZeile(), 3);
    EXPECT_EQ(Lies(Datei()), fuenf); // the file learns of it with the next save
    Befehl("Rueckgaengig1");         // which taking it back is, with Phoenix selected again
    EXPECT_EQ(std::pair(Lies(Datei()), Ansicht().AktuelleZeile()), std::pair(fuenf, 4));
    Befehl("Wiederholen1");
    EXPECT_EQ(Lies(Datei()), fuenf.left(fuenf.indexOf("    5   = ")));
    loesche(0, false);
    loesche(0, true);
    EXPECT_EQ(Ansicht().AktuelleZeile(), -1);
    EXPECT_EQ(haupt.Statuszeile(), Status(3, u"Astra"_s));
    Dialoge::LeereProtokoll();
    Befehl("Eintraglschen1"); // no current entry: no question
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
    Beende();
    EXPECT_EQ(Lies(Datei()), QByteArray("    1   = ZDF #png#Ohne Logo1.png\r\n    2   = ZDF #png#zdf.png\r\n"
                                        "    3   = Arte #png#Ohne Logo2.png\r\n"));

    TMainForm& einer = StarteMit("    1   = ARD #png#ard.png\r\n");
    loesche(0, true);
    EXPECT_EQ(std::tuple(einer.Liste().Anzahl(), Ansicht().model()->rowCount(), Ansicht().AktuelleZeile()),
              std::tuple(0, 0, -1));
}

// The next entry whose station stands twice: "3sat HD" is "3sat", "Muenchen TV" is "München
// TV", "ZDFneo" is not "ZDF"; round again after the last.
TEST_F(Bearbeiten, DoppelteEintraegeSuchen) {
    TMainForm& haupt =
        StarteMit("    1   = 3sat #png#a\r\n    2   = ZDF #png#a\r\n    3   = Das Erste #png#a\r\n"
                  "    4   = ZDFneo #png#a\r\n    5   = 3sat HD #png#a\r\n    6   = Das Erste HD #png#a\r\n"
                  "    7   = Muenchen TV #png#a\r\n    8   = M\xFCnchen TV #png#a\r\n");
    QStringList gefunden;
    Ansicht().WaehleZeile(-1);
    for (int i = 0; i < 7; ++i) {
        Befehl("DoppelteEintraegesuchen1");
        gefunden << u"%1: %2"_s.arg(Ansicht().AktuelleZeile() + 1).arg(haupt.Statuszeile());
    }
    const QString nr = u"Nr. %1 und Nr. %2 sind derselbe Sender."_s;
    EXPECT_EQ(gefunden,
              (QStringList{u"1: "_s + nr.arg(1).arg(5), u"3: "_s + nr.arg(3).arg(6), u"5: "_s + nr.arg(1).arg(5),
                           u"6: "_s + nr.arg(3).arg(6), u"7: "_s + nr.arg(7).arg(8), u"8: "_s + nr.arg(7).arg(8),
                           u"1: "_s + nr.arg(1).arg(5)}));
    Beende();
    StarteMit("    1   = ZDF #png#a\r\n    2   = ZDFneo #png#a\r\n");
    Befehl("DoppelteEintraegesuchen1");
    EXPECT_EQ(Meldungen(), QStringList{u"Information: In der Liste steht kein Sender mehr als einmal."_s});
}

} // namespace
} // namespace senvio::test
