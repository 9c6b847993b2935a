// "Neu", "Öffnen" and "Speichern unter..." in every branch, on the real main window.
#include "ProgrammOrdnerFixture.h"

#include "platform/Einstellungen.h"

#include <optional>

namespace senvio::test {
namespace {

using ListenBefehle = ProgrammOrdnerTest;

TEST_F(ListenBefehle, NeuSpeichertDieAlteListeUndBeginntEineLeere) {
    TMainForm& haupt = StarteMitAstra();
    Ansicht().WaehleZeile(0);
    Dialoge::SetzeNaechsteAntwort(true);
    Befehl("Eintraglschen1"); // only in memory until the next save
    Logomodus();
    NameDialogMitOk(u" Sport "_s);
    Befehl("Neu1");
    // The old list's file is written (renumbered), the new one only with the next save; the
    // settings name the new list at once.
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)), QByteArray("    1   = ZDF #png#Ohne Logo2.png\r\n"));
    EXPECT_EQ(LeseIniWert(Pfad(u"senvio.ini"_s), u"Einstellung"_s, u"ListenName"_s), u" Sport "_s);
    EXPECT_FALSE(QFileInfo::exists(Liste(u" Sport .lis"_s)));
    ErwarteListe(u" Sport "_s, 0);
    EXPECT_FALSE(Teil("ComboBox1")->isVisibleTo(&haupt));
    EXPECT_FALSE(Teil<QAction>("Rueckgaengig1")->isEnabled()); // the deletion is no longer a step
    Beende();
    EXPECT_EQ(Lies(Liste(u" Sport .lis"_s)), QByteArray());
}

TEST_F(ListenBefehle, NeuOhneNamenMitUnbrauchbaremOderVorhandenemNamen) {
    TMainForm& haupt = StarteMitAstra();
    int ergebnis = -1;
    NameDialogMitOk(u" \t "_s, &ergebnis);
    Befehl("Neu1");
    EXPECT_EQ(ergebnis, int(QDialog::Rejected));
    EXPECT_EQ(Meldungen(), QStringList{u"Information: Sie haben keinen Namen eingegeben!"_s});

    // A name that leaves the lists folder, or that a USB stick or Windows cannot store, keeps the dialog open.
    for (const QString& name :
         {u"../Astra"_s, u"a:b"_s, u"Name mit * und ?"_s, u"a\\b"_s, u"\"x\""_s, u"<>"_s, u"a|b"_s}) {
        NameDialogMitOk(name, &ergebnis);
        Befehl("Neu1");
        EXPECT_EQ(std::pair(ergebnis, Meldungen().last()),
                  std::pair(-1, u"Information: Der Name darf keines der Zeichen / \\ : * ? \" < > | und keine "
                                "Steuerzeichen enthalten und nicht „.“ oder „..“ sein."_s))
            << name.toStdString();
    }

    // An existing list's name asks first; "Nein" leaves everything as it was.
    Schreib(Liste(u"Sport.lis"_s), "x\r\n");
    Dialoge::SetzeNaechsteAntwort(false);
    Dialoge::LeereProtokoll();
    NameDialogMitOk(u"Sport"_s, &ergebnis);
    Befehl("Neu1");
    EXPECT_EQ(Meldungen(), QStringList{u"Bestätigung: Eine Liste mit dem Namen: \"Sport\" existiert schon! Soll sie "
                                       "überschrieben werden?"_s});
    ErwarteListe(u"Astra"_s, 2);

    // "Ja" takes the name; the old file of that name is replaced at the next save.
    Dialoge::SetzeNaechsteAntwort(true);
    NameDialogMitOk(u"Sport"_s, &ergebnis);
    Befehl("Neu1");
    EXPECT_EQ(haupt.ListenName(), u"Sport"_s);
    EXPECT_EQ(Lies(Liste(u"Sport.lis"_s)), QByteArray("x\r\n"));
    Beende();
    EXPECT_EQ(Lies(Liste(u"Sport.lis"_s)), QByteArray());
}

// Cancelled, "Öffnen" saves the list, leaves the logo choice and chooses row 0. A list from another
// folder is taken into the lists folder under its file's name, not renumbered; one whose ".lis" is
// in capitals keeps its file; a file without ".lis" opens as well; an unreadable one changes nothing.
TEST_F(ListenBefehle, OeffnenAbbrechenAusAnderemOrdnerInGrossbuchstabenOhneEndungUndUnlesbar) {
    TMainForm& haupt = StarteMitAstra();
    Ansicht().WaehleZeile(1);
    Logomodus();
    QFile::remove(Liste(u"Astra.lis"_s));
    Dialoge::SetzeNaechstenDateinamen(QString());
    Befehl("ffnen1");
    EXPECT_EQ(Dialoge::LetzterDateidialogOrdner(), m_pfad + u"Senvio-Listen/"_s);
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)), astra);
    EXPECT_TRUE(haupt.IstListenModus());
    EXPECT_FALSE(Teil("ZurueckButton")->isVisibleTo(&haupt));
    EXPECT_EQ(Ansicht().AktuelleZeile(), 0);
    ErwarteListe(u"Astra"_s, 2);

    const QByteArray fremd = "  3   = Arte #png#Ohne Logo3.png\r\n  1   = Phoenix #png#Ohne Logo4.png\r\n";
    Schreib(Pfad(u"anderswo/Sport.LIS"_s), fremd);
    Dialoge::SetzeNaechstenDateinamen(Pfad(u"anderswo/Sport.LIS"_s));
    Befehl("ffnen1");
    ErwarteListe(u"Sport"_s, 2);
    EXPECT_EQ(LeseIniWert(Pfad(u"senvio.ini"_s), u"Einstellung"_s, u"ListenName"_s), u"Sport"_s);
    EXPECT_EQ(haupt.Liste().Zeile(0), u"  3   = Arte #png#Ohne Logo3.png"_s);

    Schreib(Liste(u"Kabel.LIS"_s), "  2   = Arte #png#Ohne Logo3.png\n");
    Schreib(Liste(u"Radio"_s), "    1   = Bayern 3 #png#Ohne Logo1.png\r\n");
    LegeAn(u"Senvio-Listen/Ordner.lis"_s);
    Dialoge::SetzeNaechstenDateinamen(Liste(u"Kabel.LIS"_s));
    Befehl("ffnen1");
    EXPECT_EQ(haupt.ListenName(), u"Kabel"_s);
    EXPECT_EQ(Lies(Pfad(u"anderswo/Sport.LIS"_s)), fremd);
    EXPECT_EQ(Lies(Liste(u"Sport.lis"_s)), fremd);
    Dialoge::SetzeNaechstenDateinamen(Liste(u"Radio"_s));
    Befehl("ffnen1");
    EXPECT_EQ(Lies(Liste(u"Kabel.LIS"_s)), QByteArray("  2   = Arte #png#Ohne Logo3.png\r\n"));
    EXPECT_FALSE(QFileInfo::exists(Liste(u"Kabel.lis"_s)));
    Dialoge::SetzeNaechstenDateinamen(Liste(u"Ordner.lis"_s));
    Befehl("ffnen1");
    EXPECT_EQ(Meldungen(),
              QStringList{u"Senvio-Liste: Datei "_s + Liste(u"Ordner.lis"_s) + u" kann nicht geöffnet werden."_s});
    ErwarteListe(u"Radio"_s, 1);
}

// "Öffnen" ends the history of changes ("Neu" does too, above); the next change begins a new one.
TEST_F(ListenBefehle, OeffnenBeendetDenVerlauf) {
    StarteMit(astra + astra);
    QAction* rueckgaengig = Teil<QAction>("Rueckgaengig1");
    const auto loesche = [&] {
        Ansicht().WaehleZeile(0);
        Dialoge::SetzeNaechsteAntwort(true);
        Befehl("Eintraglschen1");
        return rueckgaengig->isEnabled();
    };
    EXPECT_TRUE(loesche());
    Dialoge::SetzeNaechstenDateinamen(Liste(u"Astra.lis"_s));
    Befehl("ffnen1");
    EXPECT_FALSE(rueckgaengig->isEnabled());
    EXPECT_TRUE(loesche());
}

TEST_F(ListenBefehle, SpeichernUnterSchreibtEineKopieUndBehaeltDieAktuelleListe) {
    StarteMitAstra();
    LegeAn(u"Kopien"_s);
    const QString ordner = Pfad(u"Kopien/"_s);
    const auto speichere = [&](const QString& name, std::optional<bool> antwort = std::nullopt) {
        Dialoge::SetzeNaechstenDateinamen(ordner + name);
        if (antwort)
            Dialoge::SetzeNaechsteAntwort(*antwort);
        Befehl("Speichernunter1");
    };
    speichere(u"Kopie"_s);
    EXPECT_EQ(Dialoge::LetzterDateidialogName(), u"Astra.lis"_s);
    EXPECT_EQ(Lies(ordner + u"Kopie.lis"_s), astra);
    EXPECT_FALSE(QFileInfo::exists(ordner + u"Kopie"_s));

    // An existing file: "Nein" writes nothing, "Ja" overwrites it as chosen.
    Schreib(ordner + u"Alt"_s, "alt");
    speichere(u"Alt"_s, false);
    EXPECT_EQ(Meldungen(), QStringList{u"Bestätigung: Die Datei \""_s + ordner +
                                       u"Alt\" ist schon vorhanden. Soll sie überschrieben werden?"_s});
    EXPECT_EQ(Lies(ordner + u"Alt"_s), QByteArray("alt"));
    speichere(u"Alt"_s, true);
    EXPECT_EQ(Lies(ordner + u"Alt"_s), astra);

    ErwarteListe(u"Astra"_s, 2);
}

} // namespace
} // namespace senvio::test
