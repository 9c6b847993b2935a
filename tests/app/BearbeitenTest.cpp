// "Eintrag bearbeiten", "Neuer Texteintrag einfügen" and "Eintrag löschen" on the real main window.
#include "ProgrammOrdnerFixture.h"

namespace senvio::test {
namespace {

class Bearbeiten : public ProgrammOrdnerTest {
protected:
    const QByteArray fuenf = "    1   = ARD #png#ard.png\r\n    2   = ZDF #png#Ohne Logo1.png\r\n"
                             "    3   = ZDF #png#zdf.png\r\n    4   = Arte #png#Ohne Logo2.png\r\n"
                             "    5   = Phoenix #png#Ohne Logo3.png\r\n";

    QString Datei() const { return Liste(u"Astra.lis"_s); }
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
        SetzeZaehler(zaehler);
        Befehl("Eintragbearbeiten1");
        return *gezeigt;
    }
    TTextlistenForm& Waehler() { return Haupt().Fenster().textliste; }
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
    EXPECT_EQ(haupt.Dokument().Umgebung().platzhalterzaehler, 3);
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
    // "Abbrechen" changes nothing; without a current entry no dialog shows.
    Bearbeite(1, u"Weg"_s, false, QDialog::Rejected);
    Ansicht().WaehleZeile(-1);
    EXPECT_EQ(Bearbeite(1, u"Weg"_s, false), u"nicht gezeigt"_s);
    EXPECT_EQ(haupt.Liste().Zeile(2), u"    3   = ZDF HD #png#zdf.png"_s);
    // Another program's change of the file is overwritten only when the user says so.
    Schreib(Datei(), "    1   = KiKA #png#Ohne Logo1.png\r\n");
    Dialoge::LeereProtokoll();
    Dialoge::SetzeNaechsteAntwort(false);
    Ansicht().WaehleZeile(0);
    Bearbeite(1, u"Das Erste"_s, false);
    EXPECT_EQ(Lies(Datei()), "    1   = KiKA #png#Ohne Logo1.png\r\n");
    EXPECT_EQ(Meldungen(), QStringList{u"Bestätigung: Die Liste „Astra“ wurde von einem anderen Programm geändert, "
                                       u"seit sie hier geöffnet oder gespeichert wurde. Möchten Sie sie mit dem Stand "
                                       u"in diesem Fenster überschreiben?"_s});
    // Ended by a signal, nobody answers: the other program's file stays, and no box opens.
    haupt.SichereAlles(true);
    EXPECT_EQ(Lies(Datei()), "    1   = KiKA #png#Ohne Logo1.png\r\n");
    EXPECT_EQ(Meldungen().size(), 1);
    // The window's version is kept beside the list, and the next start names it once.
    const QString daneben = Datei() + u".fenster"_s;
    EXPECT_EQ(Lies(daneben), (haupt.Liste().Zeilen().join(u"\r\n"_s) + u"\r\n"_s).toLatin1());
    Dialoge::LeereProtokoll();
    Starte();
    EXPECT_EQ(Meldungen(), QStringList{u"Information: Beim letzten Ende konnte eine Änderung nicht in die Liste "
                                       u"geschrieben werden. Der Stand des Fensters liegt in der Datei „"_s +
                                       daneben + u"“; Sie können ihn mit „Öffnen“ laden."_s});
}

TEST_F(Bearbeiten, DreiNamenNachPlatzhalterDreiUndDerVorlaeufigePraefix) {
    TMainForm& haupt = StarteMit(fuenf);
    OeffneWaehler(u"Sender.txt"_s, "Arte\r\n 3sat \r\n");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Waehler()));

    SetzeZaehler(3);
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
    // Return inserts as well; blanks at the name's ends go.
    Namen()->setCurrentRow(1);
    QTest::keyClick(Namen(), Qt::Key_Return);
    EXPECT_EQ(haupt.Liste().Zeilen().mid(5),
              (QStringList{u"    6   = Arte #png#Ohne Logo4.png"_s, u"    7   = 3sat #png#Ohne Logo1.png"_s}));
}

// "Abbrechen" minimises the picker; only once it is closed does the command ask for a file.
TEST_F(Bearbeiten, AbbrechenVerkleinertDenWaehlerErstNachDemSchliessenKommtDerDateidialog) {
    StarteMit(fuenf);
    OeffneWaehler(u"Sender.txt"_s, "B\r\n\tB\r\n");
    Teil<QPushButton>(Waehler(), "Button2")->click();
    EXPECT_TRUE(Waehler().isMinimized() && Waehler().isVisible());
    Befehl("NeuerTexteintrageinfuegen1"); // no file name queued: none asked for
    EXPECT_FALSE(Waehler().isMinimized());
    EXPECT_EQ(Namen()->item(1)->text(), u"\tB"_s);

    Waehler().close();
    const QString datei = Pfad(u"fehlt.txt"_s);
    Dialoge::SetzeNaechstenDateinamen(datei);
    Befehl("NeuerTexteintrageinfuegen1");
    EXPECT_EQ(Meldungen(), QStringList{u"Senvio-Liste: Datei "_s + datei + u" kann nicht geöffnet werden."_s});
    EXPECT_FALSE(Waehler().isVisible());
}

TEST_F(Bearbeiten, LoeschenDesFuenftenUndDesErstenEintrags) {
    TMainForm& haupt = StarteMit(fuenf);
    const auto loesche = [&](int zeile, bool ja) {
        Ansicht().WaehleZeile(zeile);
        Dialoge::SetzeNaechsteAntwort(ja);
        Befehl("Eintraglschen1");
    };
    loesche(4, true);
    EXPECT_EQ(Meldungen(), QStringList{u"Bestätigung: Möchten Sie den Eintrag „5 = Phoenix“ wirklich löschen?"_s});
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
}

// The next entry whose station stands twice ("3sat HD" is "3sat", "ZDFneo" is not "ZDF"), round again after the last.
TEST_F(Bearbeiten, DoppelteEintraegeSuchen) {
    TMainForm& haupt = StarteMit("    1   = ZDF #png#a\r\n    2   = 3sat #png#a\r\n    3   = ZDFneo #png#a\r\n"
                                 "    4   = 3sat HD #png#a\r\n");
    QStringList gefunden;
    Ansicht().WaehleZeile(-1);
    for (int i = 0; i < 3; ++i) {
        Befehl("DoppelteEintraegesuchen1");
        gefunden << u"%1: %2"_s.arg(Ansicht().AktuelleZeile() + 1).arg(haupt.Statuszeile());
    }
    const QString nr = u"Nr. 2 und Nr. 4 sind derselbe Sender."_s;
    EXPECT_EQ(gefunden, (QStringList{u"2: "_s + nr, u"4: "_s + nr, u"2: "_s + nr}));
}

} // namespace
} // namespace senvio::test
