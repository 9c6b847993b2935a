// Start-up, first paint and exit of the real program in a temporary program folder.
#include "ProgrammOrdnerFixture.h"

#include "list/TextlistenForm.h"
#include "logos/SuchForm.h"
#include "platform/Einstellungen.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTextStream>

#include <new>
#include <utility>

// The linker routes the main window's reads of a list file through here (see
// CMakeLists.txt), so that a test can make the next one fail as if memory ran out.
static bool naechstesLesenScheitert = false;
extern "C" void __real__ZN6senvio15LeseListendateiERK7QStringRNS_11SenderListeE(const QString&, senvio::SenderListe&);
extern "C" void __wrap__ZN6senvio15LeseListendateiERK7QStringRNS_11SenderListeE(const QString& pfad,
                                                                                senvio::SenderListe& liste) {
    if (std::exchange(naechstesLesenScheitert, false))
        throw std::bad_alloc();
    __real__ZN6senvio15LeseListendateiERK7QStringRNS_11SenderListeE(pfad, liste);
}

namespace senvio::test {
namespace {

using namespace Qt::StringLiterals;
using StartUndEnde = ProgrammOrdnerTest;

TEST_F(StartUndEnde, OhneListenOrdnerEndetNachDerInformationOhneEtwasZuSchreiben) {
    LegeAn(QStringLiteral("TV und Radio Sender Logos/ARD"));
    Starte();
    EXPECT_TRUE(m_programm->Endet());
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Information"));
    EXPECT_EQ(Dialoge::Meldungen()[0].text, QStringLiteral("Verzeichnis: ") + m_pfad +
                                                QStringLiteral("Senvio-Listen/\nist nicht vorhanden!\n\t\t"
                                                               "Das Programm wird beendet."));
    m_programm->Beende();
    m_programm.reset();
    EXPECT_EQ(QDir(m_pfad).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("TV und Radio Sender Logos")});
}

TEST_F(StartUndEnde, ErsterStartOhneEinstellungenSchreibtLeereListeUndEinstellungenBeimEnde) {
    LegeStandardOrdnerAn();
    TMainForm& haupt = Starte();
    EXPECT_EQ(haupt.windowTitle(), QStringLiteral("Senvio-Liste 2.0"));
    EXPECT_EQ(haupt.Statuszeile(), Status(0, QString()));
    EXPECT_EQ(haupt.ComboBox1->currentIndex(), 0);
    EXPECT_EQ(haupt.LogoOrdner(), m_pfad + QStringLiteral("TV und Radio Sender Logos/ARD"));
    EXPECT_TRUE(QFileInfo(Pfad(QStringLiteral("Senvio-Listen/Temp"))).isDir());
    EXPECT_TRUE(QFileInfo(Pfad(QStringLiteral("Senvio-Listen/Sender-Logos"))).isDir());
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Pfad(QStringLiteral("senvio.ini"))));
    Beende();

    EXPECT_EQ(Lies(Pfad(QStringLiteral("Senvio-Listen/.lis"))), QByteArray());
    EXPECT_EQ(Lies(Pfad(QStringLiteral("senvio.ini"))), QByteArray("[Einstellung]\r\nAuswahl=0\r\nListenName=\r\n"));

    // The next start reads the nameless list again.
    Schreib(Pfad(QStringLiteral("Senvio-Listen/.lis")), "ARD #png#Ohne Logo1.png\r\n");
    TMainForm& wieder = Starte();
    ASSERT_EQ(wieder.Liste().Anzahl(), 1);
    EXPECT_EQ(wieder.Liste().Zeile(0), QStringLiteral("    1   = ARD #png#Ohne Logo1.png"));
    EXPECT_EQ(wieder.Statuszeile(), Status(1, QString()));
}

TEST_F(StartUndEnde, LetzteListeWirdGeladenUndNeuNummeriertDieDateiErstBeimEnde) {
    LegeStandardOrdnerAn();
    Schreib(Pfad(QStringLiteral("senvio.ini")), "[Einstellung]\r\nListenName=Astra\r\n");
    const QByteArray alt = "  3   = ZDF #png#zdf.png\r\n    1   = ARD #png#ard.png\r\n2= Arte #png#Ohne Logo2.png\r\n";
    Schreib(Pfad(QStringLiteral("Senvio-Listen/Astra.lis")), alt);
    TMainForm& haupt = Starte();
    EXPECT_EQ(haupt.windowTitle(), QStringLiteral("Senvio-Liste 2.0:   Astra"));
    EXPECT_EQ(haupt.Liste().Zeilen(),
              (QStringList{QStringLiteral("    1   = ZDF #png#zdf.png"), QStringLiteral("    2   = ARD #png#ard.png"),
                           QStringLiteral("    3   = Arte #png#Ohne Logo2.png")}));
    EXPECT_EQ(haupt.Statuszeile(), Status(3, QStringLiteral("Astra")));
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 0);
    EXPECT_EQ(Lies(Pfad(QStringLiteral("Senvio-Listen/Astra.lis"))), alt);
    Beende();
    EXPECT_EQ(Lies(Pfad(QStringLiteral("Senvio-Listen/Astra.lis"))),
              QByteArray("    1   = ZDF #png#zdf.png\r\n    2   = ARD #png#ard.png\r\n"
                         "    3   = Arte #png#Ohne Logo2.png\r\n"));
    EXPECT_EQ(
        LeseIniWert(Pfad(QStringLiteral("senvio.ini")), QStringLiteral("Einstellung"), QStringLiteral("ListenName")),
        QStringLiteral("Astra"));
}

TEST_F(StartUndEnde, EndeVorDerErstenAnzeigeUeberschreibtNichts) {
    LegeStandardOrdnerAn();
    Schreib(Pfad(QStringLiteral("senvio.ini")), "[Einstellung]\nListenName=Astra\n");
    Schreib(Pfad(QStringLiteral("Senvio-Listen/Astra.lis")), "  3   = ZDF #png#\r\n");
    Programm programm{ProgrammOrdner(m_pfad)};
    programm.Beende();
    EXPECT_EQ(Lies(Pfad(QStringLiteral("Senvio-Listen/Astra.lis"))), QByteArray("  3   = ZDF #png#\r\n"));
    EXPECT_EQ(Lies(Pfad(QStringLiteral("senvio.ini"))), QByteArray("[Einstellung]\nListenName=Astra\n"));
}

TEST_F(StartUndEnde, AuswahlJenseitsDerGruppenWaehltKeineGruppe) {
    LegeStandardOrdnerAn();
    LegeAn(QStringLiteral("TV und Radio Sender Logos/ZDF"));
    const QString wurzel = m_pfad + QStringLiteral("TV und Radio Sender Logos/");
    struct Fall {
        const char* wert;
        int index;
    };
    for (const Fall& fall : {Fall{"2", -1}, Fall{"-1", -1}, Fall{"1", 1}, Fall{"eins", 0}}) {
        SCOPED_TRACE(fall.wert);
        Schreib(Pfad(QStringLiteral("senvio.ini")), QByteArray("[Einstellung]\nAuswahl=") + fall.wert + "\n");
        TMainForm& haupt = Starte();
        ASSERT_EQ(haupt.ComboBox1->count(), 2);
        EXPECT_EQ(haupt.ComboBox1->currentIndex(), fall.index);
        EXPECT_EQ(haupt.LogoOrdner(), fall.index < 0 ? wurzel : wurzel + haupt.ComboBox1->itemText(fall.index));
        Beende();
        EXPECT_EQ(LeseIniGanzzahl(Pfad(QStringLiteral("senvio.ini")), QStringLiteral("Einstellung"),
                                  QStringLiteral("Auswahl")),
                  fall.index);
    }
}

TEST_F(StartUndEnde, ResteImTemporaerenOrdnerSindNachDemStartFort) {
    LegeStandardOrdnerAn();
    LegeAn(QStringLiteral("Senvio-Listen/Temp/Unterordner"));
    Schreib(Pfad(QStringLiteral("Senvio-Listen/Temp/DINA4_1.bmp")), "BM");
    Schreib(Pfad(QStringLiteral("Senvio-Listen/Temp/Unterordner/BildNr1_1.bmp")), "BM");
    Schreib(Pfad(QStringLiteral("Senvio-Listen/Temp/ohne Punkt")), "x");
    Starte();
    EXPECT_TRUE(QDir(Pfad(QStringLiteral("Senvio-Listen/Temp")))
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                    .isEmpty());
}

// A last list that cannot be read at start, or that did not load whole (memory ran out),
// is not taken, and nothing overwrites it at exit.
TEST_F(StartUndEnde, UnlesbareLetzteListeMeldetSichUndBleibtUnberuehrt) {
    LegeStandardOrdnerAn();
    LegeAn(QStringLiteral("Senvio-Listen/Kaputt.lis"));
    Schreib(Pfad(QStringLiteral("Senvio-Listen/Astra.lis")), "  3   = ZDF #png#\r\n");
    const QString kaputt = m_pfad + QStringLiteral("Senvio-Listen/Kaputt.lis");
    for (const auto& [name, meldung] :
         {std::pair(QStringLiteral("Kaputt"), u"Datei "_s + kaputt + u" kann nicht geöffnet werden."_s),
          std::pair(QStringLiteral("Astra"), u"std::bad_alloc."_s)}) {
        const QByteArray ini = "[Einstellung]\nListenName=" + name.toUtf8() + "\n";
        Schreib(Pfad(QStringLiteral("senvio.ini")), ini);
        naechstesLesenScheitert = name == u"Astra"_s;
        Dialoge::LeereProtokoll();
        TMainForm& haupt = Starte();
        ASSERT_EQ(Dialoge::Meldungen().size(), 1);
        EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Senvio-Liste"));
        EXPECT_EQ(Dialoge::Meldungen()[0].text, meldung);
        EXPECT_EQ(haupt.ListenName(), QString());
        EXPECT_EQ(haupt.windowTitle(), QStringLiteral("Senvio-Liste 2.0"));
        Beende();
        EXPECT_EQ(Lies(Pfad(QStringLiteral("senvio.ini"))), ini);
    }
    EXPECT_TRUE(QFileInfo(kaputt).isDir());
    EXPECT_EQ(Lies(Pfad(QStringLiteral("Senvio-Listen/Astra.lis"))), QByteArray("  3   = ZDF #png#\r\n"));
}

// An error no command catches ends the command with the error box; the program goes on.
TEST_F(StartUndEnde, UnbehandelterFehlerEinesBefehlsZeigtDieFehlerboxUndDasProgrammGehtWeiter) {
    LegeStandardOrdnerAn();
    Schreib(Pfad(QStringLiteral("senvio.ini")), "[Einstellung]\nListenName=Astra\n");
    Schreib(Pfad(QStringLiteral("Senvio-Listen/Astra.lis")), "    1   = ARD #png#\r\n");
    TMainForm& haupt = Starte();
    // The list's own file turns into a folder: saving it before "Neu" must fail.
    ASSERT_TRUE(QFile::remove(Pfad(QStringLiteral("Senvio-Listen/Astra.lis"))));
    LegeAn(QStringLiteral("Senvio-Listen/Astra.lis"));
    Dialoge::SetzeNaechstenDialog([](QDialog& d) {
        static_cast<TNameEingabeForm&>(d).SetzeName(QStringLiteral("Sport"));
        return int(QDialog::Accepted);
    });
    haupt.Neu1->trigger();
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Senvio-Liste"));
    EXPECT_EQ(Dialoge::Meldungen()[0].text, QStringLiteral("Datei ") + m_pfad +
                                                QStringLiteral("Senvio-Listen/Astra.lis kann nicht erstellt werden."));
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Astra"));
    EXPECT_EQ(haupt.Liste().Anzahl(), 1);
    EXPECT_TRUE(haupt.isVisible());
}

TEST_F(StartUndEnde, ListenschriftAusDenEinstellungenGehtAnListeUndAbhaengigeFelder) {
    LegeStandardOrdnerAn();
    Schreib(Pfad(QStringLiteral("senvio.ini")), "[Einstellung]\nFontName=DejaVu Serif\nFontSize=20\n"
                                                "FontFarbe=255\nFontStyle=FSBOLD + fsitalic\n");
    TMainForm& haupt = Starte();
    const QColor rot(255, 0, 0);
    for (const QWidget* feld : {static_cast<QWidget*>(haupt.Listbox1), static_cast<QWidget*>(haupt.TntEdit1),
                                static_cast<QWidget*>(haupt.tempTntEdit)}) {
        EXPECT_EQ(feld->font().family(), QStringLiteral("DejaVu Serif"));
        EXPECT_EQ(feld->font().pointSize(), 20);
        EXPECT_TRUE(feld->font().bold() && feld->font().italic());
        EXPECT_EQ(feld->palette().color(QPalette::Text), rot);
    }
    const QListWidget* waehler = haupt.Fenster().textliste->TntListBox1;
    EXPECT_EQ(waehler->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(waehler->font().pointSize(), 10);
    EXPECT_TRUE(waehler->font().italic());
    EXPECT_EQ(waehler->palette().color(QPalette::Text), rot);
    EXPECT_EQ(haupt.Fenster().suche->TntLabel1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(haupt.Fenster().suche->TntLabel1->font().pointSize(), 10);
    // The file-name label takes face, size and colour, and keeps its style.
    EXPECT_EQ(haupt.TntLabel1->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_FALSE(haupt.TntLabel1->font().italic());
    EXPECT_EQ(haupt.TntLabel1->palette().color(QPalette::WindowText), rot);
}

TEST_F(StartUndEnde, UngueltigeSchriftwerteBleibenOhneWirkung) {
    LegeStandardOrdnerAn();
    Schreib(Pfad(QStringLiteral("senvio.ini")), "[Einstellung]\nFontSize=zwanzig\nFontFarbe=0x00FF\n"
                                                "FontStyle=fsUnderline + fsBold\nListenName=Astra\n");
    TMainForm& haupt = Starte();
    EXPECT_EQ(haupt.Listbox1->font().family(), QStringLiteral("DejaVu Sans Condensed"));
    EXPECT_EQ(haupt.Listbox1->font().pointSize(), 18);
    EXPECT_TRUE(haupt.Listbox1->font().bold());
    EXPECT_FALSE(haupt.Listbox1->font().underline());
    EXPECT_EQ(haupt.Listbox1->Schriftfarbe(), haupt.palette().color(QPalette::Text));
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Astra")); // start-up went on
}

TEST_F(StartUndEnde, LogoUndListenOrdnerOeffnenSichImDateimanager) {
    LegeAn(QStringLiteral("Senvio-Listen"));
    TMainForm& haupt = Starte();
    haupt.LogoOrdneroeffnen1->trigger(); // the missing logo library is made on request
    haupt.ListenOrdneroeffnen1->trigger();
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), (QStringList{m_pfad + QStringLiteral("TV und Radio Sender Logos"),
                                                           m_pfad + QStringLiteral("Senvio-Listen")}));
    EXPECT_TRUE(QFileInfo(Pfad(QStringLiteral("TV und Radio Sender Logos"))).isDir());
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
}

// The command line chooses the program folder; HOME and the working directory are the
// temporary folder.
class Aufruf : public ProgrammOrdnerTest {
protected:
    void SetUp() override {
        ProgrammOrdnerTest::SetUp();
        ASSERT_TRUE(QDir::setCurrent(m_pfad));
        qputenv("HOME", QFile::encodeName(m_pfad));
    }
    void TearDown() override {
        qputenv("HOME", m_heim);
        QDir::setCurrent(m_arbeit);
        ProgrammOrdnerTest::TearDown();
    }
    Startwahl Waehle(const QStringList& argumente) {
        QString text;
        QTextStream strom(&text);
        return WaehleProgrammordner(argumente, strom, strom);
    }
    const QByteArray m_heim = qgetenv("HOME");
    const QString m_arbeit = QDir::currentPath();
    QString Benutzer() const { return m_pfad + QStringLiteral("Senvio"); }
};

TEST_F(Aufruf, BenutzerordnerBeimErstenStartAngelegtDerZweiteLegtNichtsAn) {
    const Startwahl erst = Waehle({QStringLiteral("--benutzerordner")});
    ASSERT_TRUE(erst.ordner);
    EXPECT_EQ(erst.ordner->programm, m_pfad + QStringLiteral("Senvio/"));
    TMainForm& haupt = Starte(*erst.ordner);
    EXPECT_EQ(haupt.Liste().Anzahl(), 0);
    EXPECT_EQ(haupt.ComboBox1->count(), 1);
    EXPECT_EQ(haupt.LogoOrdner(), Benutzer() + QStringLiteral("/TV und Radio Sender Logos/Meine Logos"));
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
    Beende();
    const QMap<QString, QByteArray> nachErstem = Baum(Benutzer());
    for (const char* pfad : {"Senvio-Listen/Temp", "Senvio-Listen/Sender-Logos", "Senvio-Listen/.lis",
                             "TV und Radio Sender Logos/Meine Logos/Hinweis zu den Logos.txt", "senvio.ini"})
        EXPECT_TRUE(nachErstem.contains(QString::fromUtf8(pfad))) << pfad;

    Starte(*Waehle({QStringLiteral("--benutzerordner")}).ordner);
    EXPECT_EQ(Baum(Benutzer()), nachErstem);
}

TEST_F(Aufruf, VorhandenerBenutzerordnerMitListenBleibtWieErIst) {
    LegeAn(QStringLiteral("Senvio/Senvio-Listen/Temp"));
    LegeAn(QStringLiteral("Senvio/Senvio-Listen/Sender-Logos"));
    LegeAn(QStringLiteral("Senvio/TV und Radio Sender Logos/ARD"));
    Schreib(Pfad(QStringLiteral("Senvio/senvio.ini")), "[Einstellung]\r\nListenName=Astra\r\n");
    Schreib(Pfad(QStringLiteral("Senvio/Senvio-Listen/Astra.lis")), "    1   = ARD #png#Ohne Logo1.png\r\n");
    const QMap<QString, QByteArray> vorher = Baum(Benutzer());
    TMainForm& haupt = Starte(*Waehle({QStringLiteral("--benutzerordner")}).ordner);
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Astra"));
    EXPECT_EQ(haupt.Liste().Anzahl(), 1);
    EXPECT_EQ(Baum(Benutzer()), vorher);
}

TEST_F(Aufruf, BenutzerordnerAlsDateiMeldetSichUndDasProgrammEndet) {
    Schreib(Benutzer(), "x");
    const Startwahl start = Waehle({QStringLiteral("--benutzerordner")});
    EXPECT_FALSE(start.ordner);
    EXPECT_EQ(start.ende, 1);
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Fehler"));
    EXPECT_EQ(Dialoge::Meldungen()[0].text,
              Benutzer() + QStringLiteral(" ist eine Datei und kein Ordner.\nSenvio legt dort seinen Programmordner "
                                          "an: Bitte benennen Sie die Datei um oder verschieben Sie sie."));
    EXPECT_EQ(Lies(Benutzer()), QByteArray("x"));
}

TEST_F(Aufruf, OhneAngabeDasArbeitsverzeichnisMitProgrammordnerDerGenannte) {
    LegeAn(QStringLiteral("Senvio/Senvio-Listen")); // counts only with --benutzerordner
    const QString hier = QDir(m_pfad).canonicalPath() + u'/';
    const Startwahl schlicht = Waehle({});
    ASSERT_TRUE(schlicht.ordner);
    EXPECT_EQ(schlicht.ordner->programm, hier);
    Starte(*schlicht.ordner);
    EXPECT_TRUE(m_programm->Endet());
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Information"));
    EXPECT_TRUE(Dialoge::Meldungen()[0].text.startsWith(QStringLiteral("Verzeichnis: ") + hier + "Senvio-Listen/\n"));

    EXPECT_EQ(Waehle({QStringLiteral("--programmordner"), QStringLiteral("Senvio/")}).ordner->programm,
              hier + QStringLiteral("Senvio/"));
    const Startwahl falsch = Waehle({QStringLiteral("--programmordner")});
    EXPECT_FALSE(falsch.ordner);
    EXPECT_EQ(falsch.ende, 2);
}

} // namespace
} // namespace senvio::test
