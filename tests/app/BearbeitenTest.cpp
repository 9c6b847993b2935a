// "Eintrag bearbeiten", "Neuer Texteintrag einfügen" and "Eintrag löschen" on the real main window.
#include "ProgrammOrdnerFixture.h"

#include "list/BearbeitenForm.h"
#include "list/ListenDatei.h"
#include "list/TextlistenForm.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace senvio::test {
namespace {

using namespace Qt::StringLiterals;

class Bearbeiten : public ProgrammOrdnerTest {
protected:
    const QByteArray fuenf = "    1   = ARD #png#ard.png\r\n    2   = ZDF #png#Ohne Logo1.png\r\n"
                             "    3   = ZDF #png#zdf.png\r\n    4   = Arte #png#Ohne Logo2.png\r\n"
                             "    5   = Phoenix #png#Ohne Logo3.png\r\n";

    TMainForm& StarteMit(const QByteArray& liste) {
        LegeStandardOrdnerAn();
        Schreib(Pfad(u"senvio.ini"_s), "[Einstellung]\nListenName=Astra\n");
        Schreib(Datei(), liste);
        return Starte();
    }
    QString Datei() const { return m_pfad + u"Senvio-Listen/Astra.lis"_s; }
    // Edits the current entry with the counter at "zaehler"; returns what the field showed.
    QString Bearbeite(int zaehler, const QString& name, bool entfernen, int antwort = QDialog::Accepted) {
        // Shared: a handler no dialog took stays queued until the test ends.
        auto gezeigt = std::make_shared<QString>(u"nicht gezeigt"_s);
        Dialoge::SetzeNaechstenDialog([=](QDialog& d) {
            auto& dialog = static_cast<TbearbeitenForm&>(d);
            *gezeigt = dialog.TntEdit1->text();
            dialog.TntEdit1->setText(name);
            dialog.LogoEntfernenCheckBox->setChecked(entfernen);
            return antwort;
        });
        Haupt().SetzePlatzhalterzaehler(zaehler);
        Haupt().Eintragbearbeiten1->trigger();
        return *gezeigt;
    }
    TTextlistenForm& Waehler() { return *Haupt().Fenster().textliste; }
};

TEST_F(Bearbeiten, EintragDreiBearbeitenUndDerPlatzhalterzaehler) {
    TMainForm& haupt = StarteMit(fuenf);
    haupt.Listbox1->WaehleZeile(2);
    EXPECT_EQ(Bearbeite(2, u"  ZDF HD  "_s, false), u"ZDF"_s);
    EXPECT_EQ(haupt.Liste().Zeile(2), u"    3   = ZDF HD #png#zdf.png"_s);
    EXPECT_EQ(haupt.Platzhalterzaehler(), 3);
    EXPECT_TRUE(Lies(Datei()).contains("    3   = ZDF HD #png#zdf.png\r\n    4   = "));
    // Taken back and made again, each saved; the captions name the step, greyed without one.
    EXPECT_EQ(std::pair(haupt.Rueckgaengig1->text(), haupt.Wiederholen1->isEnabled()),
              std::pair(u"Rückgängig: Eintrag bearbeiten"_s, false));
    haupt.Rueckgaengig1->trigger();
    EXPECT_EQ(Lies(Datei()), fuenf);
    EXPECT_EQ(std::tuple(haupt.Rueckgaengig1->isEnabled(), haupt.Rueckgaengig1->text(), haupt.Wiederholen1->text()),
              std::tuple(false, u"Rückgängig"_s, u"Wiederholen: Eintrag bearbeiten"_s));
    QTest::keyClick(haupt.Listbox1, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(Lies(Datei()).contains("    3   = ZDF HD #png#zdf.png\r\n    4   = "));
    // Ticked with the counter at 4: placeholder 1.
    Bearbeite(4, u"ZDF HD"_s, true);
    EXPECT_EQ(std::tuple(haupt.Liste().Zeile(2), haupt.Platzhalterzaehler()),
              std::tuple(u"    3   = ZDF HD #png#Ohne Logo1.png"_s, 1));
    // A placeholder stays, and the counter too; an empty name is stored empty.
    Bearbeite(3, QString(), true);
    EXPECT_EQ(std::tuple(haupt.Liste().Zeile(2), haupt.Platzhalterzaehler()),
              std::tuple(u"    3   =  #png#Ohne Logo1.png"_s, 3));
    EXPECT_TRUE(haupt.Fenster().bearbeiten->LogoEntfernenCheckBox->isChecked());
    // "Abbrechen" changes nothing; without a current entry no dialog shows.
    Bearbeite(1, u"Weg"_s, false, QDialog::Rejected);
    haupt.Listbox1->WaehleZeile(-1);
    EXPECT_EQ(Bearbeite(1, u"Weg"_s, false), u"nicht gezeigt"_s);
    EXPECT_EQ(haupt.Liste().Zeile(2), u"    3   =  #png#Ohne Logo1.png"_s);
}

// A line break pasted into the name becomes a blank: the file still holds one entry per line.
TEST_F(Bearbeiten, EingefuegterZeilenumbruchTeiltDenEintragNicht) {
    TMainForm& haupt = StarteMit(fuenf);
    haupt.Listbox1->WaehleZeile(2);
    QGuiApplication::clipboard()->setText(u"ZDF HD\nInfo\n"_s);
    Dialoge::SetzeNaechstenDialog([](QDialog& d) {
        QLineEdit* feld = static_cast<TbearbeitenForm&>(d).TntEdit1;
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
        return int(QDialog::Accepted);
    });
    haupt.Eintragbearbeiten1->trigger();
    SenderListe gelesen;
    LeseListendatei(Datei(), gelesen);
    ASSERT_EQ(gelesen.Anzahl(), 5);
    EXPECT_EQ(gelesen.Zeilen().mid(2, 2),
              (QStringList{u"    3   = ZDF HD Info #png#zdf.png"_s, u"    4   = Arte #png#Ohne Logo2.png"_s}));
}

// The logo grid takes the main window's keys, not those typed into the edit dialog.
TEST_F(Bearbeiten, ImLogomodusKommenDieTastenImDialogAn) {
    TMainForm& haupt = StarteMit(fuenf);
    haupt.ZeigeLogoAuswahl();
    haupt.Listbox1->WaehleZeile(0);
    Dialoge::SetzeNaechstenDialog([](QDialog& d) {
        QTest::keyClicks(static_cast<TbearbeitenForm&>(d).TntEdit1, u" HD"_s);
        return int(QDialog::Accepted);
    });
    haupt.Eintragbearbeiten1->trigger();
    EXPECT_EQ(haupt.Liste().Zeile(0), u"    1   = ARD HD #png#ard.png"_s);
}

TEST_F(Bearbeiten, DreiNamenNachPlatzhalterDreiUndDerVorlaeufigePraefix) {
    TMainForm& haupt = StarteMit(fuenf);
    Schreib(Pfad(u"Sender.txt"_s), "Arte\r\n 3sat \r\nKiKA\r\n");
    Dialoge::SetzeNaechstenDateinamen(Pfad(u"Sender.txt"_s));
    haupt.NeuerTexteintrageinfuegen1->trigger();
    EXPECT_EQ(Dialoge::LetzterDateidialogOrdner(), m_pfad + u"Senvio-Listen/"_s);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Waehler()));
    Waehler().Button1->click(); // no name selected: nothing happens
    EXPECT_EQ(haupt.Liste().Anzahl(), 5);

    haupt.SetzePlatzhalterzaehler(3);
    Dialoge::SetzeNaechsteAntwort(false); // "Arte" stands in the list already: "Nein", then "Ja"
    Waehler().TntListBox1->setCurrentRow(0);
    Waehler().Button1->click();
    EXPECT_EQ(Dialoge::Meldungen().value(0).text, u"„Arte“ steht schon unter Nr. 4 in der Liste. Trotzdem einfügen?"_s);
    EXPECT_EQ(Lies(Datei()), fuenf);
    Dialoge::SetzeNaechsteAntwort(true);
    Waehler().Button1->click();
    EXPECT_EQ(Lies(Datei()), fuenf + "  6 = Arte #png#Ohne Logo4.png\r\n");
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 5);
    EXPECT_EQ(haupt.Statuszeile(), Status(6, u"Astra"_s));
    QTest::keyClick(Waehler().TntListBox1, Qt::Key_Z, Qt::ControlModifier); // from the picker's window too
    EXPECT_EQ(Lies(Datei()), fuenf);
    haupt.Wiederholen1->trigger();
    // A double click inserts as well; blanks at the name's ends go.
    QWidget* namen = Waehler().TntListBox1->viewport();
    const QPoint zweiter = Waehler().TntListBox1->visualItemRect(Waehler().TntListBox1->item(1)).center();
    QTest::mousePress(namen, Qt::LeftButton, {}, zweiter);
    QMouseEvent doppel(QEvent::MouseButtonDblClick, zweiter, namen->mapToGlobal(zweiter), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(namen, &doppel);
    EXPECT_EQ(Lies(Datei()), fuenf + "    6   = Arte #png#Ohne Logo4.png\r\n  7 = 3sat #png#Ohne Logo1.png\r\n");
    Waehler().TntListBox1->setCurrentRow(2);
    QTest::keyClick(Waehler().TntListBox1, Qt::Key_Return);
    ASSERT_EQ(haupt.Liste().Anzahl(), 8);
    EXPECT_EQ(haupt.Liste().Zeilen().mid(5),
              (QStringList{u"    6   = Arte #png#Ohne Logo4.png"_s, u"    7   = 3sat #png#Ohne Logo1.png"_s,
                           u"    8   = KiKA #png#Ohne Logo2.png"_s}));
}

TEST_F(Bearbeiten, AbbrechenVerkleinertDenWaehlerErstNachDemSchliessenKommtDerDateidialog) {
    TMainForm& haupt = StarteMit(fuenf);
    Schreib(Pfad(u"Sender.txt"_s), "Arte\r\n");
    Dialoge::SetzeNaechstenDateinamen(Pfad(u"Sender.txt"_s));
    haupt.NeuerTexteintrageinfuegen1->trigger();
    Waehler().Button2->click();
    EXPECT_TRUE(Waehler().isMinimized() && Waehler().isVisible());
    haupt.NeuerTexteintrageinfuegen1->trigger(); // no file name queued: none asked for
    EXPECT_FALSE(Waehler().isMinimized());
    EXPECT_EQ(Waehler().TntListBox1->item(0)->text(), u"Arte"_s);

    Waehler().close();
    Schreib(Pfad(u"binaer.txt"_s), QByteArray("ARD\0\0\0", 6)); // no text
    for (const QString& datei : {Pfad(u"fehlt.txt"_s), Pfad(u"binaer.txt"_s)}) {
        Dialoge::LeereProtokoll();
        Dialoge::SetzeNaechstenDateinamen(datei);
        haupt.NeuerTexteintrageinfuegen1->trigger();
        ASSERT_EQ(Dialoge::Meldungen().size(), 1);
        EXPECT_EQ(Dialoge::Meldungen()[0].text, u"Datei "_s + datei + u" kann nicht geöffnet werden."_s);
        EXPECT_FALSE(Waehler().isVisible());
    }
}

// Tab-separated columns line up every 100 dialog units, 25 average character widths.
TEST_F(Bearbeiten, SenderwaehlerSetztTabstoppsAlleHundertDialogeinheiten) {
    Schreib(Pfad(u"Sender.txt"_s), "B\r\n\tB\r\n");
    Dialoge::SetzeNaechstenDateinamen(Pfad(u"Sender.txt"_s));
    StarteMit(fuenf).NeuerTexteintrageinfuegen1->trigger();
    QListWidget& namen = *Waehler().TntListBox1;
    const QImage bild = namen.viewport()->grab().toImage();
    const auto tinteAb = [&](int zeile) { // the first column of the row with ink in it
        const QRect feld = namen.visualItemRect(namen.item(zeile));
        for (int x = feld.left(); x <= feld.right(); ++x)
            for (int y = feld.top(); y <= feld.bottom(); ++y)
                if (qGray(bild.pixel(x, y)) < 128)
                    return x;
        return -1;
    };
    EXPECT_NEAR(tinteAb(1) - tinteAb(0), 25 * QFontMetrics(namen.font()).averageCharWidth(), 1);
    Waehler().close();
}

TEST_F(Bearbeiten, LoeschenDesFuenftenDesErstenUndDesEinzigenEintrags) {
    TMainForm& haupt = StarteMit(fuenf);
    haupt.Listbox1->WaehleZeile(4);
    Dialoge::SetzeNaechsteAntwort(true);
    haupt.Eintraglschen1->trigger();
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].text, u"Möchten Sie den Eintrag: \"    5   = Phoenix \" wirklich löschen?"_s);
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 3);
    EXPECT_EQ(Lies(Datei()), fuenf); // the file learns of it with the next save
    haupt.Rueckgaengig1->trigger();  // which taking it back is, with Phoenix selected again
    EXPECT_EQ(std::pair(Lies(Datei()), haupt.Listbox1->AktuelleZeile()), std::pair(fuenf, 4));
    haupt.Wiederholen1->trigger();
    EXPECT_EQ(Lies(Datei()), fuenf.left(fuenf.indexOf("    5   = ")));
    haupt.Listbox1->WaehleZeile(0);
    Dialoge::SetzeNaechsteAntwort(false);
    haupt.Eintraglschen1->trigger();
    Dialoge::SetzeNaechsteAntwort(true);
    haupt.Eintraglschen1->trigger();
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), -1);
    EXPECT_EQ(haupt.Statuszeile(), Status(3, u"Astra"_s));
    Dialoge::LeereProtokoll();
    haupt.Eintraglschen1->trigger(); // no current entry: no question
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
    Beende();
    EXPECT_EQ(Lies(Datei()), QByteArray("    1   = ZDF #png#Ohne Logo1.png\r\n    2   = ZDF #png#zdf.png\r\n"
                                        "    3   = Arte #png#Ohne Logo2.png\r\n"));

    TMainForm& einer = StarteMit("    1   = ARD #png#ard.png\r\n");
    einer.Listbox1->WaehleZeile(0);
    Dialoge::SetzeNaechsteAntwort(true);
    einer.Eintraglschen1->trigger();
    EXPECT_EQ(std::tuple(einer.Liste().Anzahl(), einer.Listbox1->model()->rowCount(), einer.Listbox1->AktuelleZeile()),
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
    haupt.Listbox1->WaehleZeile(-1);
    for (int i = 0; i < 7; ++i) {
        haupt.DoppelteEintraegesuchen1->trigger();
        gefunden << u"%1: %2"_s.arg(haupt.Listbox1->AktuelleZeile() + 1).arg(haupt.Statuszeile());
    }
    const QString nr = u"Nr. %1 und Nr. %2 sind derselbe Sender."_s;
    EXPECT_EQ(gefunden,
              (QStringList{u"1: "_s + nr.arg(1).arg(5), u"3: "_s + nr.arg(3).arg(6), u"5: "_s + nr.arg(1).arg(5),
                           u"6: "_s + nr.arg(3).arg(6), u"7: "_s + nr.arg(7).arg(8), u"8: "_s + nr.arg(7).arg(8),
                           u"1: "_s + nr.arg(1).arg(5)}));
    Beende();
    StarteMit("    1   = ZDF #png#a\r\n    2   = ZDFneo #png#a\r\n").DoppelteEintraegesuchen1->trigger();
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].text, u"In der Liste steht kein Sender mehr als einmal."_s);
}

} // namespace
} // namespace senvio::test
