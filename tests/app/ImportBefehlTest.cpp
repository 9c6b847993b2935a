// "Senderliste importieren..." on the real main window: appended, as a new list, and failing.
#include "ProgrammOrdnerFixture.h"
#include "import/ImportForm.h"
#include "logos/LogozuordnungForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

namespace senvio::test {
namespace {

class Importbefehl : public MitAstraTest {
protected:
    TMainForm& StarteMitQuellen() {
        Schreib(Pfad(QStringLiteral("a.m3u")), "#EXTM3U\n#EXTINF:-1 tvg-chno=\"3\",Eins\nhttp://a\n"
                                               "#EXTINF:-1 tvg-chno=\"5\",Zwei\nhttp://b\n");
        Schreib(Pfad(QStringLiteral("radio.m3u")), "#EXTINF:0,Welle \xD0\x96\nhttp://c\n");
        return StarteMitAstra();
    }
    // The import dialog: groups unticked, copies kept or not, new list or append, "OK"; notes what it showed.
    void ImportDialog(bool anhaengen, QList<int> abwaehlen = {}, bool ohneDoppelte = true) {
        Dialoge::SetzeNaechstenDialog([=, this](QDialog& d) {
            auto& dialog = dynamic_cast<ImportForm&>(d);
            for (int i = 0; i < dialog.Gruppen->topLevelItemCount(); ++i)
                m_gezeigt << dialog.Gruppen->topLevelItem(i)->text(0);
            for (int gruppe : abwaehlen)
                dialog.WaehleGruppe(gruppe, false);
            if (!ohneDoppelte) // ticked at first
                dialog.OhneDoppelte->setChecked(false);
            m_gezeigt << dialog.Summe->text();
            for (const QCheckBox* feld : {dialog.NummernBehalten, dialog.OhneDoppelte})
                if (feld->isVisibleTo(&dialog))
                    m_gezeigt << feld->text();
            dialog.SetzeAnhaengen(anhaengen);
            dialog.OkKnopf->click();
            return dialog.result();
        });
    }
    QStringList m_gezeigt;
};

// "Eins HD" (7) and "ZWEI" (9) of the second file are copies: left out when ticked, kept when not.
TEST_F(Importbefehl, AngehaengtMitDenNummernDesEmpfaengers) {
    TMainForm& haupt = StarteMitQuellen();
    Schreib(Pfad(QStringLiteral("hd.m3u")),
            "#EXTINF:-1 tvg-chno=\"7\",Eins HD\nhttp://x\n#EXTINF:-1 tvg-chno=\"9\",ZWEI\nhttp://y\n");
    haupt.SetzePlatzhalterzaehler(2);
    Dialoge::SetzeNaechsteDateien({Pfad(QStringLiteral("a.m3u")), Pfad(QStringLiteral("hd.m3u"))});
    ImportDialog(true);
    haupt.Senderlisteimportieren1->trigger();
    EXPECT_EQ(m_gezeigt, (QStringList{QStringLiteral("Fernsehen"), QStringLiteral("Gewählt: 4 von 4 Sendern"),
                                      QStringLiteral("Nummern des Empfängers beibehalten (eine freie Nummer als "
                                                     "„(frei)“)"),
                                      QStringLiteral("Doppelte Sender weglassen (2 Sender doppelt)")}));
    // The receiver's number 4 is free, 6 to 9 come after the last channel taken; the
    // placeholders go on from 2.
    EXPECT_EQ(Lies(Liste(QStringLiteral("Astra.lis"))),
              astra + "    3   = Eins #png#Ohne Logo3.png\r\n    4   = (frei) #png#Ohne Logo4.png\r\n"
                      "    5   = Zwei #png#Ohne Logo1.png\r\n");
    EXPECT_EQ(std::tuple(haupt.Listbox1->AktuelleZeile(), haupt.Statuszeile(), haupt.ProgressBar1->isVisible()),
              std::tuple(2, Status(5, QStringLiteral("Astra")), false));
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
    // The import is one step: taken back, the list is as before.
    EXPECT_EQ(haupt.Rueckgaengig1->text(), QStringLiteral("Rückgängig: Senderliste importieren"));
    haupt.Rueckgaengig1->trigger();
    EXPECT_EQ(Lies(Liste(QStringLiteral("Astra.lis"))), astra);

    Dialoge::SetzeNaechsteDateien({Pfad(QStringLiteral("a.m3u")), Pfad(QStringLiteral("hd.m3u"))});
    ImportDialog(true, {}, false);
    haupt.Senderlisteimportieren1->trigger();
    // Unticked: all four channels, 6 and 8 free too.
    EXPECT_EQ(std::tuple(m_gezeigt.value(6), haupt.Liste().Anzahl()),
              std::tuple(QStringLiteral("Nummern des Empfängers beibehalten (3 freie Nummern als „(frei)“)"), 2 + 7));
}

TEST_F(Importbefehl, NeueListeAusEinerGruppeZweierDateien) {
    TMainForm& haupt = StarteMitQuellen();
    haupt.Listbox1->WaehleZeile(0);
    Dialoge::SetzeNaechsteAntwort(true);
    haupt.Eintraglschen1->trigger(); // reaches Astra's file when "Neu" saves it
    QApplication::processEvents();   // drawn now: drawing sets the placeholder counter
    haupt.SetzePlatzhalterzaehler(0);
    Dialoge::SetzeNaechsteDateien({Pfad(QStringLiteral("a.m3u")), Pfad(QStringLiteral("radio.m3u"))});
    ImportDialog(false, {0});
    NameDialogMitOk(QStringLiteral("Kabel"));
    haupt.Senderlisteimportieren1->trigger();
    EXPECT_EQ(m_gezeigt, (QStringList{QStringLiteral("Fernsehen"), QStringLiteral("Radio"),
                                      QStringLiteral("Gewählt: 1 von 3 Sendern")}));
    EXPECT_EQ(Lies(Liste(QStringLiteral("Astra.lis"))), QByteArray("    1   = ZDF #png#Ohne Logo2.png\r\n"));
    // A name outside Windows-1252 makes the list a UTF-16 file.
    const QString zeile = QStringLiteral("    1   = Welle Ж #png#Ohne Logo1.png\r\n");
    EXPECT_EQ(Lies(Liste(QStringLiteral("Kabel.lis"))),
              QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(zeile.utf16()), zeile.size() * 2));
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Kabel"));
}

TEST_F(Importbefehl, FehlerUndAbbruchLassenJedeListeWieSieWar) {
    TMainForm& haupt = StarteMitQuellen();
    Schreib(Pfad(QStringLiteral("notizen.txt")), "Brot\nButter\n");
    Dialoge::SetzeNaechsteDateien({Pfad(QStringLiteral("a.m3u")), Pfad(QStringLiteral("notizen.txt"))});
    haupt.Senderlisteimportieren1->trigger();
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Senvio-Liste"));
    EXPECT_EQ(Dialoge::Meldungen()[0].text, QStringLiteral("Das Format der Datei ") +
                                                Pfad(QStringLiteral("notizen.txt")) +
                                                QStringLiteral(" ist unbekannt."));
    EXPECT_FALSE(haupt.ProgressBar1->isVisible());
    // "Abbrechen" in the import dialog, then in the name dialog.
    for (bool importOk : {false, true}) {
        Dialoge::SetzeNaechstenDateinamen(Pfad(QStringLiteral("a.m3u")));
        if (importOk)
            ImportDialog(false);
        haupt.Senderlisteimportieren1->trigger();
    }
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Astra"));
    EXPECT_EQ(haupt.Liste().Anzahl(), 2);
    EXPECT_EQ(Lies(Liste(QStringLiteral("Astra.lis"))), astra);
}

// After an import the logos found are offered: the playlist's logo name finds its file;
// "Nein" leaves the list as imported, "Ja" opens the review, whose ticked logo is attached.
TEST_F(Importbefehl, GefundeneLogosWerdenNachDemImportAngeboten) {
    TMainForm& haupt = StarteMitAstra();
    QImage logo(8, 8, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(Pfad(QStringLiteral("TV und Radio Sender Logos/ARD/k1-logo.png"))));
    Schreib(Pfad(QStringLiteral("k.m3u")), "#EXTINF:0 tvg-logo=\"logos/K1-Logo.png\",Kanal Eins\nhttp://a\n");
    for (const bool ja : {false, true}) {
        Dialoge::SetzeNaechstenDateinamen(Pfad(QStringLiteral("k.m3u")));
        ImportDialog(true);
        Dialoge::SetzeNaechsteAntwort(ja);
        if (ja)
            Dialoge::SetzeNaechstenDialog([](QDialog& d) {
                auto& pruefung = dynamic_cast<TLogozuordnungForm&>(d);
                EXPECT_EQ(pruefung.Tabelle->rowCount(), 1);
                EXPECT_EQ(pruefung.Tabelle->item(0, 4)->text(), QStringLiteral("aus der Importdatei"));
                pruefung.Uebernehmen->click();
                return pruefung.result();
            });
        haupt.Senderlisteimportieren1->trigger();
    }
    ASSERT_EQ(Dialoge::Meldungen().size(), 2);
    EXPECT_EQ(Dialoge::Meldungen()[0].text, QStringLiteral("Für 1 der importierten Sender wurden Logos gefunden. "
                                                           "Möchten Sie die Logos jetzt prüfen und zuordnen?"));
    EXPECT_EQ(Lies(Liste(QStringLiteral("Astra.lis"))),
              astra + "    3   = Kanal Eins #png#Ohne Logo3.png\r\n    4   = Kanal Eins #png#ProgrammVerzeichnis\\"
                      "Senvio-Listen\\Sender-Logos\\k1-logo.png\r\n");
}

} // namespace
} // namespace senvio::test
