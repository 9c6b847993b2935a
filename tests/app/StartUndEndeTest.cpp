// Start-up, first paint and exit of the real program in a temporary program folder.
#include "ProgrammOrdnerFixture.h"

#include "platform/Einstellungen.h"
#include "platform/Fehlerbox.h"

#include <new>
#include <stdexcept>
#include <utility>

// The linker routes the main window's reads of a list file through here (see
// CMakeLists.txt), so that a test can make the next one fail as if memory ran out.
static bool naechstesLesenScheitert = false;
extern "C" void __real__ZN6senvio15LeseListendateiERK7QStringRNS_11SenderListeEP10QByteArray(const QString&,
                                                                                             senvio::SenderListe&,
                                                                                             QByteArray*);
extern "C" void __wrap__ZN6senvio15LeseListendateiERK7QStringRNS_11SenderListeEP10QByteArray(const QString& pfad,
                                                                                             senvio::SenderListe& liste,
                                                                                             QByteArray* bytes) {
    if (std::exchange(naechstesLesenScheitert, false))
        throw std::bad_alloc();
    __real__ZN6senvio15LeseListendateiERK7QStringRNS_11SenderListeEP10QByteArray(pfad, liste, bytes);
}

namespace senvio::test {
namespace {

using StartUndEnde = ProgrammOrdnerTest;

TEST_F(StartUndEnde, OhneListenOrdnerEndetNachDerInformationOhneEtwasZuSchreiben) {
    LegeAn(u"TV und Radio Sender Logos/ARD"_s);
    Starte();
    EXPECT_TRUE(m_programm->Endet());
    EXPECT_EQ(Meldungen(), QStringList{u"Information: Verzeichnis: "_s + m_pfad +
                                       u"Senvio-Listen/\nist nicht vorhanden!\n\t\tDas Programm wird beendet."_s});
    m_programm->Beende();
    m_programm.reset();
    EXPECT_EQ(Baum(m_pfad).keys(), (QStringList{u"TV und Radio Sender Logos"_s, u"TV und Radio Sender Logos/ARD"_s}));
}

// Without settings: the list "Meine Senderliste", named in the settings at once, which takes in
// the nameless file of an earlier version, never written again; the first group, written at exit.
// With one group, choice 1 is beyond the groups: none is chosen, and that is written back.
TEST_F(StartUndEnde, ErsterStartUndAuswahlJenseitsDerGruppen) {
    LegeStandardOrdnerAn();
    Schreib(Liste(u".lis"_s), "ARD #png#\r\n");
    TMainForm& haupt = Starte();
    ErwarteListe(u"Meine Senderliste"_s, 1);
    EXPECT_EQ(haupt.Logoauswahl().Ordner(), m_pfad + u"TV und Radio Sender Logos/ARD"_s);
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
    EXPECT_EQ(Lies(Pfad(u"senvio.ini"_s)), QByteArray("[Einstellung]\r\nListenName=Meine Senderliste\r\n"));
    Befehl("DruckenOben1");
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), QStringList{Liste(u"Meine Senderliste.pdf"_s)});
    Beende();
    EXPECT_EQ(Lies(Liste(u"Meine Senderliste.lis"_s)), "    1   = ARD #png#\r\n");
    EXPECT_EQ(Lies(Liste(u".lis"_s)), "ARD #png#\r\n");
    EXPECT_EQ(Lies(Pfad(u"senvio.ini"_s)),
              QByteArray("[Einstellung]\r\nListenName=Meine Senderliste\r\nAuswahl=0\r\n"));

    Schreib(Pfad(u"senvio.ini"_s), "[Einstellung]\nAuswahl=1\n");
    TMainForm& wieder = Starte();
    EXPECT_EQ(Teil<QComboBox>("ComboBox1")->currentIndex(), -1);
    EXPECT_EQ(wieder.Logoauswahl().Ordner(), m_pfad + u"TV und Radio Sender Logos/"_s);
    Beende();
    EXPECT_EQ(LeseIniGanzzahl(Pfad(u"senvio.ini"_s), u"Einstellung"_s, u"Auswahl"_s), -1);
}

// An earlier run's card and page pictures in the temporary folder go at the start; other files and folders stay.
TEST_F(StartUndEnde, LetzteListeWirdGeladenUndNeuNummeriertDieDateiErstBeimEnde) {
    LegeAn(u"Senvio-Listen/Temp/Unterordner"_s);
    Schreib(Pfad(u"Senvio-Listen/Temp/Unterordner/BildNr1_1.bmp"_s), "BM");
    Schreib(Pfad(u"Senvio-Listen/Temp/ohne Punkt"_s), "x");
    Schreib(Pfad(u"Senvio-Listen/Temp/BildNr12_3.bmp"_s), "BM");
    Schreib(Pfad(u"Senvio-Listen/Temp/DINA4_3.bmp"_s), "BM");
    const QByteArray alt = "  3   = ZDF #png#zdf.png\r\n2= Arte #png#Ohne Logo2.png\r\n";
    TMainForm& haupt = StarteMit(alt);
    EXPECT_EQ(Baum(Pfad(u"Senvio-Listen/Temp"_s)).keys(),
              QStringList({u"Unterordner"_s, u"Unterordner/BildNr1_1.bmp"_s, u"ohne Punkt"_s}));
    ErwarteListe(u"Astra"_s, 2);
    const QByteArray neu = "    1   = ZDF #png#zdf.png\r\n    2   = Arte #png#Ohne Logo2.png\r\n";
    EXPECT_EQ(haupt.Liste().Zeilen().join(u"\r\n"_s) + u"\r\n"_s, QString::fromLatin1(neu));
    EXPECT_EQ(Ansicht().AktuelleZeile(), 0);
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)), alt);
    Beende();
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)), neu);
    EXPECT_EQ(LeseIniWert(Pfad(u"senvio.ini"_s), u"Einstellung"_s, u"ListenName"_s), u"Astra"_s);
}

TEST_F(StartUndEnde, EndeVorDerErstenAnzeigeUeberschreibtNichts) {
    LegeStandardOrdnerAn();
    Schreib(Pfad(u"senvio.ini"_s), "[Einstellung]\nListenName=Astra\n");
    Schreib(Liste(u"Astra.lis"_s), "  3   = ZDF #png#\r\n");
    Programm programm{ProgrammOrdner(m_pfad)};
    programm.Beende();
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)), QByteArray("  3   = ZDF #png#\r\n"));
    EXPECT_EQ(Lies(Pfad(u"senvio.ini"_s)), QByteArray("[Einstellung]\nListenName=Astra\n"));
}

// A last list that cannot be read at start, or that did not load whole (memory ran out),
// is not taken, and nothing overwrites it at exit.
TEST_F(StartUndEnde, UnlesbareLetzteListeMeldetSichUndBleibtUnberuehrt) {
    LegeStandardOrdnerAn();
    LegeAn(u"Senvio-Listen/Kaputt.lis"_s);
    Schreib(Liste(u"Astra.lis"_s), "  3   = ZDF #png#\r\n");
    const QString kaputt = Liste(u"Kaputt.lis"_s);
    for (const auto& [name, meldung] :
         {std::pair(u"Kaputt"_s, u"Datei "_s + kaputt + u" kann nicht geöffnet werden."_s),
          std::pair(u"Astra"_s, u"Nicht genug Speicher; die Arbeit wurde abgebrochen."_s)}) {
        const QByteArray ini = "[Einstellung]\nListenName=" + name.toUtf8() + "\n";
        Schreib(Pfad(u"senvio.ini"_s), ini);
        naechstesLesenScheitert = name == u"Astra"_s;
        Dialoge::LeereProtokoll();
        Starte();
        EXPECT_EQ(Meldungen(), QStringList{u"Senvio-Liste: "_s + meldung});
        ErwarteListe(QString(), 0);
        Beende();
        EXPECT_EQ(Lies(Pfad(u"senvio.ini"_s)), ini);
    }
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)), QByteArray("  3   = ZDF #png#\r\n"));
}

// An error no command catches ends the command with the error box; the program goes on.
TEST_F(StartUndEnde, UnbehandelterFehlerEinesBefehlsZeigtDieFehlerboxUndDasProgrammGehtWeiter) {
    TMainForm& haupt = StarteMit("    1   = ARD #png#\r\n");
    // The list's own file turns into a folder: saving it before "Neu" must fail.
    ASSERT_TRUE(QFile::remove(Liste(u"Astra.lis"_s)));
    LegeAn(u"Senvio-Listen/Astra.lis"_s);
    NameDialogMitOk(u"Sport"_s);
    Befehl("Neu1");
    EXPECT_EQ(Meldungen(),
              QStringList{u"Senvio-Liste: Datei "_s + Liste(u"Astra.lis"_s) + u" kann nicht erstellt werden."_s});
    ErwarteListe(u"Astra"_s, 1);
    EXPECT_TRUE(haupt.isVisible());
    // A library's own exception is shown in German, never with its English text.
    Dialoge::LeereProtokoll();
    FuehreAus([] { throw std::out_of_range("vector::_M_range_check: __n (which is 7) >= this->size()"); });
    FuehreAus([] { throw std::range_error("wstring_convert::from_bytes"); });
    EXPECT_EQ(Meldungen(), QStringList(2, u"Senvio-Liste: Unerwarteter Fehler; die Arbeit wurde abgebrochen."_s));
}

// The command line chooses the program folder; HOME is the temporary folder.
class Aufruf : public ProgrammOrdnerTest {
protected:
    void SetUp() override {
        ProgrammOrdnerTest::SetUp();
        qputenv("HOME", QFile::encodeName(m_pfad));
    }
    void TearDown() override {
        qputenv("HOME", m_heim);
        ProgrammOrdnerTest::TearDown();
    }
    Startwahl Waehle(const QStringList& argumente) {
        QString text;
        QTextStream strom(&text);
        return WaehleProgrammordner(argumente, strom, strom);
    }
    const QByteArray m_heim = qgetenv("HOME");
    QString Benutzer() const { return m_pfad + u"Senvio"_s; }
};

TEST_F(Aufruf, FehlerOderBenutzerordner) {
    EXPECT_EQ(Waehle({u"--programmordner"_s}).ende, 2);
    // A file where the user's folder belongs: the error box, and the program ends with 1.
    Schreib(Benutzer(), "x");
    const Startwahl datei = Waehle({u"--benutzerordner"_s});
    EXPECT_EQ(std::pair(datei.ordner.has_value(), datei.ende), std::pair(false, 1));
    EXPECT_EQ(Meldungen(), QStringList{u"Fehler: "_s + Benutzer() +
                                       u" ist eine Datei und kein Ordner.\nSenvio legt dort seinen Programmordner "
                                       "an: Bitte benennen Sie die Datei um oder verschieben Sie sie."_s});
    EXPECT_EQ(Lies(Benutzer()), QByteArray("x"));

    // Made on the first start, with its group and an empty list; the second start makes nothing.
    ASSERT_TRUE(QFile::remove(Benutzer()));
    Dialoge::LeereProtokoll();
    const Startwahl erst = Waehle({u"--benutzerordner"_s});
    ASSERT_TRUE(erst.ordner);
    TMainForm& haupt = Starte(*erst.ordner);
    EXPECT_EQ(haupt.Liste().Anzahl(), 0);
    EXPECT_EQ(haupt.Logoauswahl().Ordner(), Benutzer() + u"/TV und Radio Sender Logos/Meine Logos"_s);
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
    Beende();
    const QMap<QString, QByteArray> nachErstem = Baum(Benutzer());
    EXPECT_EQ(Baum(Waehle({u"--benutzerordner"_s}).ordner->programm), nachErstem);
}

} // namespace
} // namespace senvio::test
