// "Rückgängig", "Wiederholen" and the duplicates on the real main window: the list file's
// bytes after every step, the captions, and when the history ends.
#include "ProgrammOrdnerFixture.h"

#include "list/BearbeitenForm.h"
#include "list/TextlistenForm.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace senvio::test {
namespace {

using namespace Qt::StringLiterals;

class Verlauf : public MitAstraTest {
protected:
    TMainForm& StarteMit(const QByteArray& liste) {
        LegeStandardOrdnerAn();
        Schreib(Pfad(u"senvio.ini"_s), "[Einstellung]\nListenName=Astra\n");
        Schreib(Datei(), liste);
        return Starte();
    }
    QString Datei() const { return Liste(u"Astra.lis"_s); }
    // The station picker with these names, the name at `zeile` inserted.
    void FuegeEin(const QByteArray& namen, int zeile) {
        TTextlistenForm& waehler = *Haupt().Fenster().textliste;
        if (!waehler.isVisible()) {
            Schreib(Pfad(u"Sender.txt"_s), namen);
            Dialoge::SetzeNaechstenDateinamen(Pfad(u"Sender.txt"_s));
            Haupt().NeuerTexteintrageinfuegen1->trigger();
        }
        waehler.TntListBox1->setCurrentRow(zeile);
        waehler.Button1->click();
    }
    // Both captions and whether each can be used, as the menu shows them.
    QString Menue() {
        const TMainForm& haupt = Haupt();
        return u"%1 (%2) | %3 (%4)"_s.arg(haupt.Rueckgaengig1->text())
            .arg(haupt.Rueckgaengig1->isEnabled() ? u"an"_s : u"aus"_s)
            .arg(haupt.Wiederholen1->text())
            .arg(haupt.Wiederholen1->isEnabled() ? u"an"_s : u"aus"_s);
    }
};

TEST_F(Verlauf, JederBefehlZurueckUndWiederMitDenBytesDerListe) {
    const QByteArray drei = "    1   = ARD #png#Ohne Logo1.png\r\n    2   = ZDF #png#Ohne Logo2.png\r\n"
                            "    3   = Arte #png#Ohne Logo3.png\r\n";
    TMainForm& haupt = StarteMit(drei);
    ListenAnsicht& liste = *haupt.Listbox1;
    EXPECT_EQ(Menue(), u"Rückgängig (aus) | Wiederholen (aus)"_s);
    const auto zurueck = [&](const QByteArray& erwartet, int auswahl) {
        haupt.Rueckgaengig1->trigger();
        EXPECT_EQ(Lies(Datei()), erwartet);
        EXPECT_EQ(liste.AktuelleZeile(), auswahl);
    };
    const auto wieder = [&](const QByteArray& erwartet) {
        haupt.Wiederholen1->trigger();
        EXPECT_EQ(Lies(Datei()), erwartet);
    };

    // Editing: saved at once, and so are its undo and redo.
    liste.WaehleZeile(1);
    Dialoge::SetzeNaechstenDialog([](QDialog& d) {
        static_cast<TbearbeitenForm&>(d).TntEdit1->setText(u"ZDF HD"_s);
        return int(QDialog::Accepted);
    });
    haupt.Eintragbearbeiten1->trigger();
    QByteArray hd = drei;
    hd.replace("= ZDF ", "= ZDF HD ");
    EXPECT_EQ(Lies(Datei()), hd);
    EXPECT_EQ(Menue(), u"Rückgängig: Eintrag bearbeiten (an) | Wiederholen (aus)"_s);
    zurueck(drei, 1);
    EXPECT_EQ(Menue(), u"Rückgängig (aus) | Wiederholen: Eintrag bearbeiten (an)"_s);
    QTest::keyClick(&liste, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Lies(Datei()), hd);

    // Deleting reaches the file only with the next save; its undo saves.
    liste.WaehleZeile(0);
    Dialoge::SetzeNaechsteAntwort(true);
    haupt.Eintraglschen1->trigger();
    EXPECT_EQ(Lies(Datei()), hd);
    const QByteArray ohneArd = "    1   = ZDF HD #png#Ohne Logo2.png\r\n    2   = Arte #png#Ohne Logo3.png\r\n";
    EXPECT_EQ(Menue(), u"Rückgängig: Eintrag löschen (an) | Wiederholen (aus)"_s);
    zurueck(hd, 0);
    EXPECT_EQ(Menue(), u"Rückgängig: Eintrag bearbeiten (an) | Wiederholen: Eintrag löschen (an)"_s);
    wieder(ohneArd);
    EXPECT_EQ(liste.AktuelleZeile(), -1);

    // Moving, undone with Ctrl+Z and redone with Ctrl+Shift+Z.
    liste.WaehleZeile(0);
    QTest::keyClick(&liste, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(&liste, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Lies(Datei()), ohneArd);
    EXPECT_EQ(liste.AktuelleZeile(), 0);
    QTest::keyClick(&liste, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    const QByteArray getauscht = "    1   = Arte #png#Ohne Logo3.png\r\n    2   = ZDF HD #png#Ohne Logo2.png\r\n";
    EXPECT_EQ(Lies(Datei()), getauscht);
    EXPECT_EQ(liste.AktuelleZeile(), 1);

    // Inserting from the picker; Ctrl+Z works in the picker's window too.
    haupt.SetzePlatzhalterzaehler(0);
    FuegeEin("3sat\r\n", 0);
    EXPECT_EQ(Lies(Datei()), getauscht + "  3 = 3sat #png#Ohne Logo1.png\r\n");
    QTest::keyClick(haupt.Fenster().textliste->TntListBox1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Lies(Datei()), getauscht);
    wieder(getauscht + "    3   = 3sat #png#Ohne Logo1.png\r\n");
    haupt.Fenster().textliste->close();

    // "Öffnen", "Neu" and the end of the program each end the history.
    Dialoge::SetzeNaechstenDateinamen(Datei());
    haupt.ffnen1->trigger();
    EXPECT_EQ(Menue(), u"Rückgängig (aus) | Wiederholen (aus)"_s);
    liste.WaehleZeile(0);
    Dialoge::SetzeNaechsteAntwort(true);
    haupt.Eintraglschen1->trigger();
    NameDialogMitOk(u"Neu"_s);
    haupt.Neu1->trigger();
    EXPECT_EQ(Menue(), u"Rückgängig (aus) | Wiederholen (aus)"_s);
    FuegeEin("3sat\r\n", 0);
    EXPECT_TRUE(haupt.Rueckgaengig1->isEnabled());
    haupt.close();
    m_programm->Beende();
    EXPECT_EQ(Menue(), u"Rückgängig (aus) | Wiederholen (aus)"_s);
}

// "Das Erste HD" is the same station as "Das Erste", "Muenchen TV" as "München TV",
// "3sat HD" as "3sat"; "ZDFneo" is not "ZDF".
TEST_F(Verlauf, DoppelteBeimEinfuegenUndBeimSuchen) {
    const QByteArray vier = "    1   = 3sat #png#Ohne Logo1.png\r\n    2   = ZDF #png#Ohne Logo2.png\r\n"
                            "    3   = Das Erste #png#Ohne Logo3.png\r\n    4   = ZDFneo #png#Ohne Logo4.png\r\n"
                            "    5   = 3sat HD #png#Ohne Logo1.png\r\n";
    TMainForm& haupt = StarteMit(vier);
    Dialoge::SetzeNaechsteAntwort(false);
    FuegeEin("Das Erste HD\r\nMuenchen TV\r\nM\xC3\xBCnchen TV\r\n", 0);
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].text, u"„Das Erste“ steht schon unter Nr. 3 in der Liste. Trotzdem einfügen?"_s);
    EXPECT_EQ(Lies(Datei()), vier);
    EXPECT_FALSE(haupt.Rueckgaengig1->isEnabled());
    Dialoge::SetzeNaechsteAntwort(true);
    FuegeEin({}, 0);
    FuegeEin({}, 1); // no question
    Dialoge::SetzeNaechsteAntwort(true);
    FuegeEin({}, 2);
    ASSERT_EQ(haupt.Liste().Anzahl(), 8);
    EXPECT_EQ(Dialoge::Meldungen().size(), 3);
    EXPECT_EQ(Dialoge::Meldungen()[2].text,
              u"„Muenchen TV“ steht schon unter Nr. 7 in der Liste. Trotzdem einfügen?"_s);
    haupt.Fenster().textliste->close();

    QStringList gefunden;
    haupt.Listbox1->WaehleZeile(-1);
    for (int i = 0; i < 7; ++i) {
        haupt.DoppelteEintraegesuchen1->trigger();
        gefunden << u"%1: %2"_s.arg(haupt.Listbox1->AktuelleZeile() + 1).arg(haupt.Statuszeile());
    }
    EXPECT_EQ(gefunden,
              (QStringList{u"1: Nr. 1 und Nr. 5 sind derselbe Sender."_s, u"3: Nr. 3 und Nr. 6 sind derselbe Sender."_s,
                           u"5: Nr. 1 und Nr. 5 sind derselbe Sender."_s, u"6: Nr. 3 und Nr. 6 sind derselbe Sender."_s,
                           u"7: Nr. 7 und Nr. 8 sind derselbe Sender."_s, u"8: Nr. 7 und Nr. 8 sind derselbe Sender."_s,
                           u"1: Nr. 1 und Nr. 5 sind derselbe Sender."_s}));
    Dialoge::LeereProtokoll();
    NameDialogMitOk(u"Leer"_s);
    haupt.Neu1->trigger();
    haupt.DoppelteEintraegesuchen1->trigger();
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].text, u"In der Liste steht kein Sender mehr als einmal."_s);
}

} // namespace
} // namespace senvio::test
