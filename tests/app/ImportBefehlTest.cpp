// "Senderliste importieren..." on the real main window: appended, as a new list, and failing.
#include "ProgrammOrdnerFixture.h"
#include "Testbox.h"
#include "import/ImportForm.h"
#include "logos/LogozuordnungForm.h"

#include <QBuffer>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTreeWidget>

namespace senvio::test {
namespace {

class Importbefehl : public ProgrammOrdnerTest {
protected:
    TMainForm& StarteMitQuellen() {
        Schreib(Pfad(u"a.m3u"_s), "#EXTM3U\n#EXTINF:-1 tvg-chno=\"3\",Eins\nhttp://a\n"
                                  "#EXTINF:-1 tvg-chno=\"5\",Zwei\nhttp://b\n");
        Schreib(Pfad(u"radio.m3u"_s), "#EXTINF:0,Welle \xD0\x96\nhttp://c\n");
        return StarteMitAstra();
    }
    // The import dialog: groups unticked, new list or append, "OK"; notes what it showed.
    void ImportDialog(bool anhaengen, QList<int> abwaehlen = {}) {
        Dialoge::SetzeNaechstenDialog([=, this](QDialog& d) {
            auto& dialog = dynamic_cast<TImportForm&>(d);
            dialog.SetzeAnhaengen(anhaengen);
            const auto* gruppen = Teil<QTreeWidget>(dialog, "Gruppen");
            for (int i = 0; i < gruppen->topLevelItemCount(); ++i)
                m_gezeigt << gruppen->topLevelItem(i)->text(0);
            for (int gruppe : abwaehlen)
                dialog.WaehleGruppe(gruppe, false);
            m_gezeigt << Teil<QLabel>(dialog, "Summe")->text();
            for (const char* name : {"NummernBehalten", "OhneDoppelte", "RadioEigeneListe"})
                if (const auto* feld = Teil<QCheckBox>(dialog, name); feld->isVisibleTo(&dialog))
                    m_gezeigt << feld->text();
            if (const auto* weggelassen = Teil<QLabel>(dialog, "Weggelassen"); weggelassen->isVisibleTo(&dialog))
                m_gezeigt << weggelassen->text();
            Teil<QPushButton>(dialog, "OkKnopf")->click();
            return dialog.result();
        });
    }
    QStringList m_gezeigt;
};

// A receiver's bouquet set: favourites, the scan list with "Das Erste HD" again (the same
// service, left out, its number kept free) and a marker, and radio numbered from 1.
const QByteArray Favoriten = "#NAME Favoriten\n#SERVICE 1:0:19:283D:3FB:1:C00000:0:0:0:\n#DESCRIPTION Das Erste HD\n"
                             "#SERVICE 1:0:19:2B66:3F3:1:C00000:0:0:0:\n#DESCRIPTION BR Süd HD\n";
const QByteArray Alle = "#NAME Alle\n#SERVICE 1:64:0:0:0:0:0:0:0:0::Öffentlich\n"
                        "#SERVICE 1:0:19:283d:3fb:1:c00000:0:0:0:\n#DESCRIPTION Das Erste HD\n"
                        "#SERVICE 1:0:19:2EE3:441:1:C00000:0:0:0:\n#DESCRIPTION RTL HD\n";
const QByteArray Radio =
    "#NAME Radio\n#SERVICE 1:0:2:6F:D:85:C00000:0:0:0:\n#DESCRIPTION Bayern 1\n"
    "#SERVICE 1:832:D:0:0:0:0:0:0:0:\n#SERVICE 1:0:2:70:D:85:C00000:0:0:0:\n#DESCRIPTION B5 aktuell\n";
QByteArray Verweise(std::initializer_list<const char*> dateien) {
    QByteArray text;
    for (const char* datei : dateien)
        text += "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"" + QByteArray(datei) + "\" ORDER BY bouquet\n";
    return text;
}

TEST_F(Importbefehl, AngehaengtMitDenNummernDesEmpfaengers) {
    TMainForm& haupt = StarteMitQuellen();
    Schreib(Pfad(u"e2/bouquets.tv"_s), Verweise({"userbouquet.fav.tv", "userbouquet.alle.tv"}));
    Schreib(Pfad(u"e2/bouquets.radio"_s), Verweise({"userbouquet.radio.radio"}));
    Schreib(Pfad(u"e2/userbouquet.fav.tv"_s), Favoriten);
    Schreib(Pfad(u"e2/userbouquet.alle.tv"_s), Alle);
    Schreib(Pfad(u"e2/userbouquet.radio.radio"_s), Radio);
    Schreib(Liste(u"Astra Radio.lis"_s), "    1   = Antenne #png#Ohne Logo2.png\r\n");
    SetzeZaehler(2);
    Dialoge::SetzeNaechsteDateien({Pfad(u"e2/bouquets.tv"_s), Pfad(u"e2/bouquets.radio"_s)});
    ImportDialog(true);
    Befehl("Senderlisteimportieren1");
    EXPECT_EQ(m_gezeigt,
              (QStringList{u"Fernsehen"_s, u"Radio"_s,
                           u"Gewählt: 7 von 7 Sendern, das ergibt 4 Einträge und 3 in der Radioliste"_s,
                           u"Nummern des Empfängers beibehalten (eine freie Nummer als „(frei)“)"_s,
                           u"Doppelte Sender weglassen (ein Sender doppelt)"_s,
                           u"Radio als eigene Liste „Astra Radio“"_s, u"Weggelassen werden: Das Erste HD"_s}));
    // Receiver's number 3 is the copy's; radio goes on in its own list, placeholder 2 kept.
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)),
              astra + "    3   = Das Erste HD #png#Ohne Logo3.png\r\n    4   = BR S\xFC\x64 HD #png#Ohne Logo4.png\r\n"
                      "    5   = (frei) #png#Ohne Logo1.png\r\n    6   = RTL HD #png#Ohne Logo2.png\r\n");
    EXPECT_EQ(Lies(Liste(u"Astra Radio.lis"_s)),
              "    1   = Antenne #png#Ohne Logo2.png\r\n    2   = Bayern 1 #png#Ohne Logo3.png\r\n"
              "    3   = (frei) #png#Ohne Logo4.png\r\n    4   = B5 aktuell #png#Ohne Logo1.png\r\n");
    EXPECT_EQ(Meldungen().value(0), u"Information: Die Radiosender stehen mit den Nummern Ihres Empfängers in der "
                                    "Liste „Astra Radio“ (3 Einträge). Sie öffnen sie mit „Datei“ › „Öffnen...“."_s);
    EXPECT_EQ(std::tuple(Ansicht().AktuelleZeile(), haupt.Statuszeile(), Teil("ProgressBar1")->isVisible()),
              std::tuple(2, Status(6, u"Astra"_s), false));
    // The import is one step: taken back, the list is as before.
    EXPECT_EQ(Teil<QAction>("Rueckgaengig1")->text(), u"Rückgängig: Senderliste importieren"_s);
    Befehl("Rueckgaengig1");
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)), astra);
    // The next import starts in the folder of this one; one bouquet chosen is ticked alone.
    m_gezeigt.clear();
    Dialoge::SetzeNaechsteDateien({Pfad(u"e2/userbouquet.alle.tv"_s)});
    ImportDialog(true);
    Befehl("Senderlisteimportieren1");
    EXPECT_EQ(Dialoge::LetzterDateidialogOrdner(), Pfad(u"e2"_s));
    // Its channels keep the receiver's numbers 3 and 4.
    EXPECT_EQ(m_gezeigt, (QStringList{u"Fernsehen"_s, u"Gewählt: 2 von 4 Sendern, das ergibt 4 Einträge"_s,
                                      u"Nummern des Empfängers beibehalten (2 freie Nummern als „(frei)“)"_s}));
}

// From an empty list that has no file yet, which stays without one.
TEST_F(Importbefehl, NeueListeAusEinerGruppeZweierDateien) {
    TMainForm& haupt = StarteMitQuellen();
    NameDialogMitOk(u"Leer"_s);
    Befehl("Neu1");
    QApplication::processEvents(); // drawn now: drawing sets the placeholder counter
    SetzeZaehler(0);
    Dialoge::SetzeNaechsteDateien({Pfad(u"a.m3u"_s), Pfad(u"radio.m3u"_s)});
    ImportDialog(false, {0});
    NameDialogMitOk(u"Kabel"_s);
    Befehl("Senderlisteimportieren1");
    EXPECT_EQ(m_gezeigt,
              (QStringList{u"Fernsehen"_s, u"Radio"_s, u"Gewählt: 1 von 3 Sendern, das ergibt einen Eintrag"_s}));
    EXPECT_EQ(haupt.Liste().Zeilen(), QStringList{u"    1   = Welle Ж #png#Ohne Logo1.png"_s});
    EXPECT_EQ(haupt.ListenName(), u"Kabel"_s);
    EXPECT_FALSE(QFileInfo::exists(Liste(u"Leer.lis"_s)));
}

TEST_F(Importbefehl, FehlerUndAbbruchLassenJedeListeWieSieWar) {
    StarteMitQuellen();
    Schreib(Pfad(u"notizen.txt"_s), "Brot\nButter\n");
    Dialoge::SetzeNaechsteDateien({Pfad(u"a.m3u"_s), Pfad(u"notizen.txt"_s)});
    Befehl("Senderlisteimportieren1");
    EXPECT_EQ(Meldungen(),
              QStringList{u"Senvio-Liste: Das Format der Datei "_s + Pfad(u"notizen.txt"_s) + u" ist unbekannt."_s});
    // "Abbrechen" in the import dialog, then in the name dialog.
    for (bool importOk : {false, true}) {
        Dialoge::SetzeNaechstenDateinamen(Pfad(u"a.m3u"_s));
        if (importOk)
            ImportDialog(false);
        Befehl("Senderlisteimportieren1");
    }
    ErwarteListe(u"Astra"_s, 2);
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)), astra);
}

// After an import the logos found are offered: the playlist's logo name finds its file;
// "Ja" opens the review, whose ticked logo is attached.
TEST_F(Importbefehl, GefundeneLogosWerdenNachDemImportAngeboten) {
    StarteMitAstra();
    QImage logo(8, 8, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(Pfad(u"TV und Radio Sender Logos/ARD/k1-logo.png"_s)));
    Schreib(Pfad(u"k.m3u"_s), "#EXTINF:0 tvg-logo=\"logos/K1-Logo.png\",Kanal Eins\nhttp://a\n");
    Dialoge::SetzeNaechstenDateinamen(Pfad(u"k.m3u"_s));
    ImportDialog(true);
    Dialoge::SetzeNaechsteAntwort(true);
    Dialoge::SetzeNaechstenDialog([](QDialog& d) {
        const auto* tabelle = Teil<QTableWidget>(d, "Tabelle");
        EXPECT_EQ(tabelle->rowCount(), 1);
        EXPECT_EQ(tabelle->item(0, 4)->text(), u"aus der Importdatei"_s);
        Teil<QPushButton>(d, "Uebernehmen")->click();
        return d.result();
    });
    Befehl("Senderlisteimportieren1");
    EXPECT_EQ(Meldungen(), QStringList{u"Bestätigung: Für 1 der importierten Sender wurden Logos gefunden. Möchten "
                                       "Sie die Logos jetzt prüfen und zuordnen?"_s});
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)), astra + "    3   = Kanal Eins #png#ProgrammVerzeichnis\\"
                                                   "Senvio-Listen\\Sender-Logos\\k1-logo.png\r\n");
}

// A list of 18 from a playlist; the user shortened "tagesschau24 HD" and picked ARD-alpha's logo. The new scan renames
// tagesschau24 (same address), drops ZDFinfo (16), moves ARD-alpha from 18 to 16 and adds ServusTV at 18.
TEST_F(Importbefehl, ListeAktualisierenBehaeltDieArbeitDesNutzers) {
    const QStringList namen =
        u"Das Erste HD,ZDF HD,BR Fernsehen Süd HD,hr-fernsehen HD,WDR HD Köln,NDR FS NDS HD,"
        "MDR Sachsen HD,SWR BW HD,rbb Berlin HD,arte HD,3sat HD,KiKA HD,phoenix HD,ONE HD,"
        "ZDFneo HD,ZDFinfo HD,tagesschau24 HD,ARD-alpha HD,tagesschau24,ServusTV HD"_s.split(u',');
    // Receiver's number and address of each channel of the two scans, by the index of its name.
    const auto wiedergabeliste = [&](QList<std::array<int, 3>> sender) {
        QByteArray m3u = "#EXTM3U\n";
        for (const auto& [nummer, name, adresse] : sender)
            m3u += u"#EXTINF:-1 tvg-chno=\"%1\",%2\nhttp://s/%3\n"_s.arg(nummer).arg(namen[name]).arg(adresse).toUtf8();
        return m3u;
    };
    QList<std::array<int, 3>> erster;
    for (int i = 0; i < 18; ++i)
        erster.append({i + 1, i, i + 1});
    Schreib(Pfad(u"v1.m3u"_s), wiedergabeliste(erster));
    Schreib(Pfad(u"v2.m3u"_s), wiedergabeliste(erster.mid(0, 15) << std::array{16, 17, 18} << std::array{17, 18, 17}
                                                                 << std::array{18, 19, 19}));
    TMainForm& haupt = StarteMit(ListeMit(0), u"Kabel"_s);
    Dialoge::SetzeNaechsteDateien({Pfad(u"v1.m3u"_s)});
    ImportDialog(true);
    Befehl("Senderlisteimportieren1");
    ASSERT_EQ(haupt.Liste().Anzahl(), 18);
    const QString alpha = u"  18   = ARD-alpha HD #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\alpha.png"_s;
    ASSERT_TRUE(QDir().mkpath(Pfad(u"Senvio-Listen/Sender-Logos"_s)) &&
                QFile::copy(u":/platzhalter/OhneImage0.png"_s, Pfad(u"Senvio-Listen/Sender-Logos/alpha.png"_s)));
    haupt.Dokument().Aendere({u"Eintrag bearbeiten"_s, Speichern::Sofort, true}, [&](Listenaenderung& a) {
        a.Ersetze(16, QString(a.Liste().Zeilen()[16]).replace(u"tagesschau24 HD"_s, u"Tagesschau"_s));
        a.Ersetze(17, alpha);
    });
    const QStringList vorher = haupt.Liste().Zeilen();
    const QByteArray datei = Lies(Liste(u"Kabel.lis"_s)), quellen = Lies(Liste(u"Kabel.quellen"_s));

    // The sections as shown: header, and each row but the unchanged ones "alt → neu | Name | Haken".
    const auto abschnitte = [](QDialog& d) {
        QStringList gezeigt;
        for (QTreeWidgetItemIterator i(Teil<QTreeWidget>(d, "Abgleichbaum")); const QTreeWidgetItem* z = *i; ++i)
            if (!z->parent())
                gezeigt << z->text(0) + (z->isExpanded() ? u""_s : u" zu"_s);
            else if (z->parent()->isExpanded())
                gezeigt << z->text(0) + u" | "_s + z->text(1) + u" | "_s + z->text(2) +
                               (z->checkState(2) == Qt::Checked ? u" ✓"_s : u""_s) +
                               (z->icon(1).isNull() ? u""_s : u" | Logo"_s);
        return gezeigt;
    };
    QStringList gezeigt, gezeigtMeine;
    for (const bool uebernehmen : {false, true}) {
        Dialoge::SetzeNaechsteDateien({Pfad(u"v2.m3u"_s)});
        ImportDialog(true);
        Dialoge::SetzeNaechstenDialog([&](QDialog& d) {
            gezeigt = abschnitte(d);
            for (const char* wahl : {"Meine", "NeueWeglassen", "FehlendeBehalten"})
                Teil<QRadioButton>(d, wahl)->click();
            gezeigtMeine = abschnitte(d);
            for (const char* wahl : {"Empfaenger", "NeueAnsEnde", "FehlendeEntfernen"})
                Teil<QRadioButton>(d, wahl)->click();
            Teil<QPushButton>(d, uebernehmen ? "Uebernehmen" : "Abbrechen")->click();
            return d.result();
        });
        Befehl("ListeAktualisieren1");
        EXPECT_TRUE(uebernehmen || Lies(Liste(u"Kabel.lis"_s)) + Lies(Liste(u"Kabel.quellen"_s)) == datei + quellen);
    }
    const QString umbenannt =
        u"17 → 17 | Tagesschau  (Quelle: „tagesschau24 HD“ → „tagesschau24“) | Namen übernehmen"_s;
    EXPECT_EQ(gezeigt,
              (QStringList{u"Unverändert (15) zu"_s, u"Neue Nummer (1)"_s, u"18 → 16 | ARD-alpha HD |  | Logo"_s,
                           u"Umbenannt (1)"_s, umbenannt + u" | Logo"_s, u"Neu (1)"_s, u"– → 18 | ServusTV HD | "_s,
                           u"Nicht mehr empfangbar (1)"_s, u"16 → – | ZDFinfo HD |  | Logo"_s}));
    // In the user's order, missing kept and new left out, ARD-alpha keeps its number: unchanged.
    EXPECT_EQ(gezeigtMeine, (QStringList{u"Unverändert (16) zu"_s, u"Neue Nummer (0)"_s, u"Umbenannt (1)"_s,
                                         umbenannt + u" | Logo"_s, u"Neu (1)"_s, u"– → – | ServusTV HD | "_s,
                                         u"Nicht mehr empfangbar (1)"_s, u"16 → 16 | ZDFinfo HD |  | Logo"_s}));
    // The user's name and logo went with their entries; only card 2 changed.
    EXPECT_EQ(haupt.Liste().Zeilen().mid(0, 17), QStringList(vorher.mid(0, 15))
                                                     << QString(alpha).replace(u"18"_s, u"16"_s) << vorher[16]);
    EXPECT_TRUE(Lies(Liste(u"Kabel.lis"_s)).chopped(7).endsWith("  18   = ServusTV HD #png#Ohne Logo")); // "N.png\r\n"

    // One step: taken back, the list and its file are as before and no card waits.
    QAction* nurGeaenderte = Teil<QAction>("NurGeaenderteKarten1");
    const auto druckmenue = [&] {
        emit static_cast<QMenu*>(nurGeaenderte->parent())->aboutToShow();
        return std::pair(nurGeaenderte->isVisible(), nurGeaenderte->isChecked());
    };
    EXPECT_EQ(std::tuple(haupt.Statuszeile(), Teil<QAction>("Rueckgaengig1")->text(), druckmenue()),
              std::tuple(u"Geändert: Karte 2 — Unverändert: 15, Neue Nummer: 1, Umbenannt: 1, Neu: 1, "
                         "Nicht mehr empfangbar: 1"_s,
                         u"Rückgängig: Liste aktualisieren"_s, std::pair(true, true)));
    Befehl("Rueckgaengig1");
    EXPECT_EQ(std::tuple(haupt.Liste().Zeilen(), Lies(Liste(u"Kabel.lis"_s)), druckmenue().first),
              std::tuple(vorher, datei, false));
    // Made again, card 2 waits; "Drucken..." offers it ticked and prints it alone. Into a file it
    // still waits, and the status line names the file; unticked, it waits no more.
    Befehl("Wiederholen1");
    EXPECT_EQ(druckmenue(), std::pair(true, true));
    QString angeboten;
    Dialoge::SetzeNaechstenDialog([&](QDialog& wahl) {
        const auto* nur = wahl.findChild<QCheckBox*>(u"NurGeaenderte"_s);
        angeboten = nur->text() + (nur->isChecked() ? u" ✓"_s : u""_s);
        return int(QDialog::Accepted);
    });
    Dialoge::SetzeNaechstenDialog([&](QDialog& dialog) {
        static_cast<QPrintDialog&>(dialog).printer()->setOutputFileName(Pfad(u"karten.pdf"_s));
        return int(QDialog::Accepted);
    });
    Befehl("Drucken1");
    const QString text = StarteProgramm(u"pdftotext"_s, {Pfad(u"karten.pdf"_s), u"-"_s}).aus;
    EXPECT_TRUE(text.contains(u"18 = ServusTV HD"_s) && !text.contains(u"Das Erste"_s)) << text.toStdString();
    EXPECT_EQ(
        std::tuple(angeboten, haupt.Statuszeile(), druckmenue().first),
        std::tuple(u"Nur geänderte Karten drucken (Karte 2) ✓"_s, u"Gespeichert: "_s + Pfad(u"karten.pdf"_s), true));
    Dialoge::SetzeNaechstenDialog([](QDialog& wahl) {
        wahl.findChild<QCheckBox*>(u"NurGeaenderte"_s)->setChecked(false);
        return int(QDialog::Accepted);
    });
    Befehl("Drucken1"); // the system's print dialog cancelled
    EXPECT_FALSE(druckmenue().first);
}

// The update starts in the folder the list came from with its groups ticked, names a group
// that is gone, and asks before it adds more than the list holds.
TEST_F(Importbefehl, AktualisierenAusDerGemerktenQuelle) {
    Schreib(Pfad(u"e2/bouquets.tv"_s), Verweise({"userbouquet.fav.tv", "userbouquet.alle.tv"}));
    Schreib(Pfad(u"e2/userbouquet.fav.tv"_s),
            Favoriten + "#SERVICE 1:0:19:2B7A:3F3:1:C00000:0:0:0:\n#DESCRIPTION ZDF HD\n");
    Schreib(Pfad(u"e2/userbouquet.alle.tv"_s), Alle);
    LegeStandardOrdnerAn();
    Schreib(Liste(u"Sat.quellen"_s), "Senvio-Quellen 1\nQuelle\t" + Pfad(u"e2"_s).toUtf8() +
                                         "\nGruppe\tTV\tFavoriten\nGruppe\tTV\tSport\n"
                                         "Das Erste HD\tTV\t1:283D:3FB:1:C00000\tDas Erste HD\n");
    StarteMit("    1   = Das Erste HD #png#Ohne Logo1.png\r\n", u"Sat"_s);
    Dialoge::SetzeNaechsteDateien({Pfad(u"e2/bouquets.tv"_s)});
    ImportDialog(true);
    Dialoge::SetzeNaechstenDialog([](QDialog& d) {
        Teil<QPushButton>(d, "Uebernehmen")->click();
        return d.result();
    });
    Dialoge::SetzeNaechsteAntwort(false);
    Befehl("ListeAktualisieren1");
    EXPECT_EQ(Dialoge::LetzterDateidialogOrdner(), Pfad(u"e2"_s));
    EXPECT_EQ(m_gezeigt, (QStringList{u"Fernsehen"_s, u"Gewählt: 3 von 5 Sendern, das ergibt 3 Einträge"_s}));
    EXPECT_EQ(Meldungen(),
              (QStringList{u"Information: Die Gruppe „Sport“, aus der die Liste stammt, fehlt in den "
                           u"gewählten Quellen."_s,
                           u"Bestätigung: 2 Sender kommen hinzu, 0 fallen weg. Trotzdem aktualisieren?"_s}));
}

// A TV's export: its lists offered as a choice of one, the cable list with the most TV
// channels ticked; ticking another unticks it. Taken, the cable list keeps the numbers of the
// remote, radio among them, a free number as "(frei)".
TEST_F(Importbefehl, ListeDesFernsehersWirdAlleinGewaehlt) {
    Schreib(Pfad(u"dvbc_config.xml"_s),
            "<?xml version='1.0'?><CONFIG Source='Cable'><Digital type='DVBC'><channels><network onid='1'>"
            "<mux tsid='1079' onid='1'><service name='ZDF HD' num='1' typ='1' sid='11110' f1='0'/>"
            "<service name='Bayern 1' num='2' typ='2' sid='28400' f1='1'/>"
            "<service name='rbb Berlin HD' num='4' typ='1' sid='10351'/></mux></network></channels></Digital>"
            "</CONFIG>");
    StarteMitAstra();
    Dialoge::SetzeNaechstenDateinamen(Pfad(u"dvbc_config.xml"_s));
    Dialoge::SetzeNaechstenDialog([this](QDialog& d) {
        auto& dialog = dynamic_cast<TImportForm&>(d);
        dialog.SetzeAnhaengen(false);
        QTreeWidgetItem* listen = Teil<QTreeWidget>(dialog, "Gruppen")->topLevelItem(0);
        m_gezeigt << listen->text(0);
        for (int i = 0; i < listen->childCount(); ++i)
            m_gezeigt << listen->child(i)->text(0) + (listen->child(i)->checkState(0) == Qt::Checked ? u" ✓"_s : u""_s);
        dialog.WaehleGruppe(1, true);
        m_gezeigt << (dialog.GruppenWahl() == QList<bool>{false, true} ? u"nur Favoriten"_s : u"beide"_s);
        dialog.WaehleGruppe(0, true);
        m_gezeigt << Teil<QLabel>(dialog, "Summe")->text() << Teil<QCheckBox>(dialog, "NummernBehalten")->text();
        Teil<QPushButton>(dialog, "OkKnopf")->click();
        return dialog.result();
    });
    NameDialogMitOk(u"Fernseher"_s);
    Befehl("Senderlisteimportieren1");
    EXPECT_EQ(m_gezeigt, (QStringList{u"Listen des Fernsehers (eine wählen)"_s, u"Kabel: 2 TV, 1 Radio ✓"_s,
                                      u"Favoriten 1: 0 TV, 1 Radio"_s, u"nur Favoriten"_s,
                                      u"Gewählt: 3 von 4 Sendern, das ergibt 4 Einträge"_s,
                                      u"Nummern des Empfängers beibehalten (eine freie Nummer als „(frei)“)"_s}));
    ErwarteListe(u"Fernseher"_s, 4);
    EXPECT_EQ(Lies(Liste(u"Fernseher.lis"_s)).count("(frei)"), 1);
}

} // namespace
} // namespace senvio::test

namespace senvio::test {

// "Vom Receiver holen...": the box asks for a login in the same dialog, then the import dialog
// as for files; the picon of the service goes with it, and nothing of the login is stored.
TEST_F(Importbefehl, VomReceiverMitAnmeldungUndLogo) {
    StarteMitQuellen();
    Testbox box;
    ServiereBouquetsatz(box);
    box.VerlangeAnmeldung("root", "dreambox");
    const QByteArray png = TestPicon();
    box.Setze(u"/picon/1_0_19_283D_3FB_1_C00000_0_0_0.png"_s, png);
    QStringList hinweise;
    for (const QString& passwort : {QString(), u"dreambox"_s})
        Dialoge::SetzeNaechstenDialog([&, passwort](QDialog& dialog) {
            hinweise << Teil<QLabel>(dialog, "Hinweis")->text();
            Teil<QLineEdit>(dialog, "Adresse")->setText(box.Adresse());
            Teil<QLineEdit>(dialog, "Benutzer")->setText(u"root"_s);
            Teil<QLineEdit>(dialog, "Passwort")->setText(passwort);
            Teil<QPushButton>(dialog, "OkKnopf")->click();
            return dialog.result();
        });
    ImportDialog(true);
    Befehl("VomReceiverHolen1");
    EXPECT_EQ(hinweise, (QStringList{QString(), u"Benutzername oder Passwort falsch."_s}));
    EXPECT_TRUE(Lies(Liste(u"Astra.lis"_s))
                    .startsWith(astra + "    3   = Das Erste HD #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\"
                                        "Das Erste HD.png\r\n    4   = ZDF HD #png#"));
    const QByteArray ini = Lies(Pfad(u"senvio.ini"_s));
    EXPECT_TRUE(ini.contains("ReceiverAdresse=" + box.Adresse().toUtf8() + '\n')) << ini.toStdString();
    EXPECT_TRUE(ini.contains("ReceiverArt=automatisch\n") && !ini.contains("dreambox") && !ini.contains("root"));
}

// "Abbrechen" while the picons of a new list come: no list, no sources, no logo group written.
TEST_F(Importbefehl, VomReceiverAbgebrochen) {
    StarteMitQuellen();
    Testbox box;
    ServiereBouquetsatz(box);
    box.Setze(u"/picon/1_0_19_283D_3FB_1_C00000_0_0_0.png"_s, TestPicon());
    const QStringList vorher = QDir(Liste({})).entryList(QDir::Files);
    Dialoge::SetzeNaechstenDialog([&](QDialog& dialog) {
        Teil<QLineEdit>(dialog, "Adresse")->setText(box.Adresse());
        Teil<QPushButton>(dialog, "OkKnopf")->click();
        return dialog.result();
    });
    ImportDialog(false);
    NameDialogMitOk(u"Box"_s); // were it not cancelled
    Dialoge::SetzeAbbruchBeiSchritt(0);
    Dialoge::SetzeAbbruchBeiSchritt(1);
    Befehl("VomReceiverHolen1");
    EXPECT_EQ(QDir(Liste({})).entryList(QDir::Files), vorher);
    EXPECT_FALSE(QFileInfo::exists(Pfad(u"TV und Radio Sender Logos/Vom Receiver"_s)));
}

// A list fetched from a box: "Liste aktualisieren..." offers the box, fetches from it without
// a dialog (it asks for no login) and goes straight into the review of its remembered group.
TEST_F(Importbefehl, AktualisierenVomReceiver) {
    Testbox box;
    ServiereBouquetsatz(box);
    LegeStandardOrdnerAn();
    Schreib(Liste(u"Box.quellen"_s), "Senvio-Quellen 1\nGruppe\tTV\tFavoriten (TV)\nReceiver\tenigma2\t" +
                                         box.Adresse().toUtf8() +
                                         "\nDas Erste HD\tTV\t1:283D:3FB:1:C00000\tDas Erste HD\n"
                                         "ZDF HD\tTV\t1:2B66:3F3:1:C00000\tZDF HD\n");
    box.Setze(u"/picon/1_0_19_6F_D_85_C00000_0_0_0.png"_s, TestPicon());
    TMainForm& haupt =
        StarteMit("    1   = Das Erste HD #png#Ohne Logo1.png\r\n    2   = ZDF HD #png#Ohne Logo2.png\r\n", u"Box"_s);
    Dialoge::SetzeNaechsteWahl(0);
    Dialoge::SetzeNaechstenDialog([&](QDialog& d) {
        Teil<QPushButton>(d, "Uebernehmen")->click();
        return d.result();
    });
    Befehl("ListeAktualisieren1");
    EXPECT_EQ(Meldungen(), (QStringList{u"Liste aktualisieren: Die Liste wurde vom Receiver "_s + box.Adresse() +
                                        u" geholt. Woher soll der neue Stand kommen?"_s}));
    EXPECT_EQ(haupt.Statuszeile(),
              u"Geändert: Karte 1 — Unverändert: 2, Neue Nummer: 0, Umbenannt: 0, Neu: 1, Nicht mehr empfangbar: 0"_s);
    // The new channel gets its picon, the others keep their logos.
    EXPECT_TRUE(Lies(Liste(u"Box.lis"_s))
                    .contains("ZDF HD #png#Ohne Logo2.png\r\n    3   = (frei) #png#Ohne Logo3.png\r\n    4   = BR "
                              "Fernsehen S\xFC\x64 HD #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\BR "
                              "Fernsehen S\xFC\x64 HD.png\r\n"));
    EXPECT_EQ(box.FremdeHosts(), 0);
}

} // namespace senvio::test
