// "Neu", "Öffnen" and "Speichern unter..." in every branch, on the real main window.
#include "ProgrammOrdnerFixture.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace senvio::test {
namespace {

using ListenBefehle = MitAstraTest;

TEST_F(ListenBefehle, NeuSpeichertDieAlteListeUndBeginntEineLeere) {
    TMainForm& haupt = StarteMitAstra();
    haupt.Listbox1->WaehleZeile(0);
    Dialoge::SetzeNaechsteAntwort(true);
    haupt.Eintraglschen1->trigger(); // only in memory until the next save
    haupt.ZeigeLogoAuswahl();
    NameDialogMitOk(QStringLiteral(" Sport "));
    haupt.Neu1->trigger();
    // The old list's file is written (renumbered), the new one only with the next save.
    EXPECT_EQ(Lies(Liste(QStringLiteral("Astra.lis"))), QByteArray("    1   = ZDF #png#Ohne Logo2.png\r\n"));
    EXPECT_FALSE(QFileInfo::exists(Liste(QStringLiteral(" Sport .lis"))));
    EXPECT_EQ(haupt.ListenName(), QStringLiteral(" Sport "));
    EXPECT_EQ(haupt.windowTitle(), QStringLiteral("Senvio-Liste 2.0:    Sport "));
    EXPECT_EQ(haupt.Liste().Anzahl(), 0);
    EXPECT_EQ(haupt.Listbox1->model()->rowCount(), 0);
    EXPECT_EQ(haupt.Statuszeile(), Status(0, QStringLiteral(" Sport ")));
    EXPECT_FALSE(haupt.Suchen1->isEnabled());
    EXPECT_TRUE(haupt.IstListenModus());
    EXPECT_FALSE(haupt.IstLogoModus());
    EXPECT_FALSE(haupt.ComboBox1->isVisibleTo(&haupt));
    Beende();
    EXPECT_EQ(Lies(Liste(QStringLiteral(" Sport .lis"))), QByteArray());
}

TEST_F(ListenBefehle, NeuMitVorhandenemNamenFragtUndNeinLaesstAllesWieEsWar) {
    TMainForm& haupt = StarteMitAstra();
    Schreib(Liste(QStringLiteral("Sport.lis")), "x\r\n");
    Dialoge::SetzeNaechsteAntwort(false);
    int ergebnis = -1;
    NameDialogMitOk(QStringLiteral("Sport"), &ergebnis);
    haupt.Neu1->trigger();
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Bestätigung"));
    EXPECT_EQ(Dialoge::Meldungen()[0].text,
              QStringLiteral("Eine Liste mit dem Namen: \"Sport\" existiert schon! Soll sie überschrieben werden?"));
    EXPECT_EQ(ergebnis, int(QDialog::Rejected));
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Astra"));
    EXPECT_EQ(haupt.Liste().Anzahl(), 2);

    // "Ja" takes the name; the old file of that name is replaced at the next save.
    Dialoge::SetzeNaechsteAntwort(true);
    NameDialogMitOk(QStringLiteral("Sport"), &ergebnis);
    haupt.Neu1->trigger();
    EXPECT_EQ(ergebnis, int(QDialog::Accepted));
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Sport"));
    EXPECT_EQ(Lies(Liste(QStringLiteral("Sport.lis"))), QByteArray("x\r\n"));
    Beende();
    EXPECT_EQ(Lies(Liste(QStringLiteral("Sport.lis"))), QByteArray());
}

TEST_F(ListenBefehle, NeuOhneNamenOderMitUnbrauchbaremNamenAendertNichts) {
    TMainForm& haupt = StarteMitAstra();
    int ergebnis = -1;
    NameDialogMitOk(QStringLiteral(" \t "), &ergebnis);
    haupt.Neu1->trigger();
    EXPECT_EQ(ergebnis, int(QDialog::Rejected));
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Information"));
    EXPECT_EQ(Dialoge::Meldungen()[0].text, QStringLiteral("Sie haben keinen Namen eingegeben!"));

    // A name that would leave the lists folder or fail every save keeps the dialog open.
    for (const QString& name : {QStringLiteral("../Astra"), QStringLiteral("."), QStringLiteral(".."),
                                QStringLiteral("Zeile\nZwei"), QStringLiteral("Tab\tim Namen")}) {
        SCOPED_TRACE(name.toStdString());
        Dialoge::LeereProtokoll();
        bool geschlossen = true;
        NameDialogMitOk(name, nullptr, &geschlossen);
        haupt.Neu1->trigger();
        EXPECT_FALSE(geschlossen);
        ASSERT_EQ(Dialoge::Meldungen().size(), 1);
        EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Information"));
    }
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Astra"));
    EXPECT_EQ(haupt.Liste().Anzahl(), 2);

    // Cancelling the dialog changes nothing either; the field keeps its text.
    Dialoge::SetzeNaechstenDialog([](QDialog&) { return int(QDialog::Rejected); });
    haupt.Neu1->trigger();
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Astra"));
    EXPECT_EQ(haupt.Fenster().nameEingabe->Name(), QStringLiteral("Tab\tim Namen"));
}

TEST_F(ListenBefehle, OeffnenAbbrechenSpeichertVerlaesstDieLogoauswahlUndWaehltZeileNull) {
    TMainForm& haupt = StarteMitAstra();
    haupt.Listbox1->WaehleZeile(1);
    haupt.ZeigeLogoAuswahl();
    QFile::remove(Liste(QStringLiteral("Astra.lis")));
    Dialoge::SetzeNaechstenDateinamen(QString());
    haupt.ffnen1->trigger();
    EXPECT_EQ(Dialoge::LetzterDateidialogOrdner(), m_pfad + QStringLiteral("Senvio-Listen/"));
    EXPECT_EQ(Lies(Liste(QStringLiteral("Astra.lis"))), astra);
    EXPECT_TRUE(haupt.IstListenModus());
    EXPECT_FALSE(haupt.IstLogoModus());
    EXPECT_FALSE(haupt.ZurueckButton->isVisibleTo(&haupt));
    EXPECT_FALSE(haupt.Suchen1->isEnabled());
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 0);
    EXPECT_EQ(haupt.Statuszeile(), Status(2, QStringLiteral("Astra")));
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Astra"));

    // A chosen file that does not exist counts as cancelled.
    Dialoge::SetzeNaechstenDateinamen(Liste(QStringLiteral("Fehlt.lis")));
    haupt.ffnen1->trigger();
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Astra"));
    EXPECT_EQ(haupt.Liste().Anzahl(), 2);
}

TEST_F(ListenBefehle, OeffnenAusAnderemOrdnerImportiertUnterDemDateinamen) {
    TMainForm& haupt = StarteMitAstra();
    LegeAn(QStringLiteral("anderswo"));
    const QByteArray fremd = "  3   = Arte #png#Ohne Logo3.png\r\n  1   = Phoenix #png#Ohne Logo4.png\r\n";
    Schreib(Pfad(QStringLiteral("anderswo/Sport.LIS")), fremd);
    Dialoge::SetzeNaechstenDateinamen(Pfad(QStringLiteral("anderswo/Sport.LIS")));
    haupt.ffnen1->trigger();
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Sport"));
    EXPECT_EQ(haupt.windowTitle(), QStringLiteral("Senvio-Liste 2.0:   Sport"));
    // Opening does not renumber.
    EXPECT_EQ(haupt.Liste().Zeile(0), QStringLiteral("  3   = Arte #png#Ohne Logo3.png"));
    EXPECT_EQ(haupt.Listbox1->model()->rowCount(), 2);
    EXPECT_EQ(haupt.Statuszeile(), Status(2, QStringLiteral("Sport")));
    Beende();
    EXPECT_EQ(Lies(Pfad(QStringLiteral("anderswo/Sport.LIS"))), fremd);
    EXPECT_EQ(Lies(Liste(QStringLiteral("Sport.lis"))), fremd);
}

// A list whose ".lis" is spelled in capitals keeps its file: no second list beside it.
TEST_F(ListenBefehle, OeffnenMitEndungInGrossbuchstabenBehaeltDieDatei) {
    TMainForm& haupt = StarteMitAstra();
    Schreib(Liste(QStringLiteral("Sport.LIS")), "  2   = Arte #png#Ohne Logo3.png\n");
    Dialoge::SetzeNaechstenDateinamen(Liste(QStringLiteral("Sport.LIS")));
    haupt.ffnen1->trigger();
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Sport"));
    Beende();
    EXPECT_EQ(Lies(Liste(QStringLiteral("Sport.LIS"))), QByteArray("  2   = Arte #png#Ohne Logo3.png\r\n"));
    EXPECT_FALSE(QFileInfo::exists(Liste(QStringLiteral("Sport.lis"))));

    // The next start finds it by its name, and "Neu" with that name asks before replacing it.
    TMainForm& wieder = Starte();
    EXPECT_EQ(wieder.Liste().Zeilen(), QStringList{QStringLiteral("    1   = Arte #png#Ohne Logo3.png")});
    Dialoge::SetzeNaechsteAntwort(false);
    NameDialogMitOk(QStringLiteral("Sport"));
    wieder.Neu1->trigger();
    EXPECT_EQ(wieder.Liste().Anzahl(), 1);
    // Beside a "Sport.lis", the file the list came from is still the one written.
    Schreib(Liste(QStringLiteral("Sport.lis")), "x\r\n");
    Dialoge::SetzeNaechstenDateinamen(Liste(QStringLiteral("Sport.LIS")));
    wieder.ffnen1->trigger();
    Beende();
    EXPECT_EQ(Lies(Liste(QStringLiteral("Sport.lis"))), QByteArray("x\r\n"));
}

TEST_F(ListenBefehle, OeffnenOhneEndungUndUnlesbareDatei) {
    TMainForm& haupt = StarteMitAstra();
    Schreib(Liste(QStringLiteral("Radio")), "    1   = Bayern 3 #png#Ohne Logo1.png\r\n");
    Dialoge::SetzeNaechstenDateinamen(Liste(QStringLiteral("Radio")));
    haupt.ffnen1->trigger();
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Radio"));
    ASSERT_EQ(haupt.Liste().Anzahl(), 1);

    // A file that exists but cannot be read: the message, and the previous list stays.
    LegeAn(QStringLiteral("Senvio-Listen/Ordner.lis"));
    Dialoge::LeereProtokoll();
    Dialoge::SetzeNaechstenDateinamen(Liste(QStringLiteral("Ordner.lis")));
    haupt.ffnen1->trigger();
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Senvio-Liste"));
    EXPECT_EQ(Dialoge::Meldungen()[0].text, QStringLiteral("Datei ") + Liste(QStringLiteral("Ordner.lis")) +
                                                QStringLiteral(" kann nicht geöffnet werden."));
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Radio"));
    EXPECT_EQ(haupt.windowTitle(), QStringLiteral("Senvio-Liste 2.0:   Radio"));
    EXPECT_EQ(haupt.Liste().Zeile(0), QStringLiteral("    1   = Bayern 3 #png#Ohne Logo1.png"));
    EXPECT_EQ(haupt.Statuszeile(), Status(1, QStringLiteral("Radio")));
    Beende();
    EXPECT_TRUE(QFileInfo(Liste(QStringLiteral("Ordner.lis"))).isDir());
}

// "Neu", "Öffnen" and the end of the program each end the history of changes.
TEST_F(ListenBefehle, NeuOeffnenUndEndeBeendenDenVerlauf) {
    LegeStandardOrdnerAn();
    Schreib(Pfad(QStringLiteral("senvio.ini")), "[Einstellung]\nListenName=Astra\n");
    Schreib(Liste(QStringLiteral("Astra.lis")), astra + astra);
    TMainForm& haupt = Starte();
    const auto loesche = [&] {
        haupt.Listbox1->WaehleZeile(0);
        Dialoge::SetzeNaechsteAntwort(true);
        haupt.Eintraglschen1->trigger();
        return haupt.Rueckgaengig1->isEnabled();
    };
    EXPECT_TRUE(loesche());
    NameDialogMitOk(QStringLiteral("Neu"));
    haupt.Neu1->trigger();
    EXPECT_FALSE(haupt.Rueckgaengig1->isEnabled());
    for (int i = 0; i < 2; ++i) {
        Dialoge::SetzeNaechstenDateinamen(Liste(QStringLiteral("Astra.lis")));
        haupt.ffnen1->trigger();
        EXPECT_FALSE(haupt.Rueckgaengig1->isEnabled());
        EXPECT_TRUE(loesche());
    }
    haupt.close();
    m_programm->Beende();
    EXPECT_FALSE(haupt.Rueckgaengig1->isEnabled());
}

TEST_F(ListenBefehle, SpeichernUnterSchreibtEineKopieUndBehaeltDieAktuelleListe) {
    TMainForm& haupt = StarteMitAstra();
    LegeAn(QStringLiteral("Kopien"));
    const QString ordner = Pfad(QStringLiteral("Kopien/"));

    Dialoge::SetzeNaechstenDateinamen(ordner + QStringLiteral("Kopie"));
    haupt.Speichernunter1->trigger();
    EXPECT_EQ(Dialoge::LetzterDateidialogOrdner(), m_pfad + QStringLiteral("Senvio-Listen/"));
    EXPECT_EQ(Dialoge::LetzterDateidialogName(), QStringLiteral("Astra.lis"));
    EXPECT_EQ(Lies(ordner + QStringLiteral("Kopie.lis")), astra);
    EXPECT_FALSE(QFileInfo::exists(ordner + QStringLiteral("Kopie")));

    Dialoge::SetzeNaechstenDateinamen(ordner + QStringLiteral("Kopie.txt"));
    haupt.Speichernunter1->trigger();
    EXPECT_EQ(Lies(ordner + QStringLiteral("Kopie.txt")), astra);

    // An existing file: "Nein" writes nothing, "Ja" overwrites it as chosen.
    Schreib(ordner + QStringLiteral("Alt"), "alt");
    Dialoge::SetzeNaechstenDateinamen(ordner + QStringLiteral("Alt"));
    Dialoge::SetzeNaechsteAntwort(false);
    Dialoge::LeereProtokoll();
    haupt.Speichernunter1->trigger();
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].text, QStringLiteral("Die Datei \"") + ordner +
                                                QStringLiteral("Alt\" ist schon vorhanden. Soll sie überschrieben "
                                                               "werden?"));
    EXPECT_EQ(Lies(ordner + QStringLiteral("Alt")), QByteArray("alt"));
    Dialoge::SetzeNaechstenDateinamen(ordner + QStringLiteral("Alt"));
    Dialoge::SetzeNaechsteAntwort(true);
    haupt.Speichernunter1->trigger();
    EXPECT_EQ(Lies(ordner + QStringLiteral("Alt")), astra);
    EXPECT_FALSE(QFileInfo::exists(ordner + QStringLiteral("Alt.lis")));

    // Cancelled: nothing written.
    Dialoge::SetzeNaechstenDateinamen(QString());
    haupt.Speichernunter1->trigger();
    EXPECT_EQ(QDir(ordner).entryList(QDir::Files).size(), 3);

    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Astra"));
    EXPECT_EQ(haupt.windowTitle(), QStringLiteral("Senvio-Liste 2.0:   Astra"));
}

} // namespace
} // namespace senvio::test
