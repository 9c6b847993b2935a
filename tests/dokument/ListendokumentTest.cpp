#include "dokument/Listendokument.h"

#include "dokument/Importablauf.h"

#include "list/Listendatei.h"
#include "platform/Fehler.h"

#include "TestDateien.h"

#include <QLockFile>
#include <QTemporaryDir>

using namespace senvio;
using namespace Qt::StringLiterals;

namespace {

// "    2   = B #png#Ohne Logo1.png" for each letter, numbered from 1.
QStringList Zeilen(const char* namen) {
    QStringList zeilen;
    for (int i = 0; namen[i]; ++i)
        zeilen << u"    %1   = %2 #png#Ohne Logo1.png"_s.arg(i + 1).arg(QLatin1Char(namen[i]));
    return zeilen;
}

QStringList Gespeichert(const Listendokument& dokument) {
    if (!QFileInfo::exists(dokument.Datei()))
        return {u"<nicht gespeichert>"_s};
    SenderListe liste;
    LeseListendatei(dokument.Datei(), liste);
    return liste.Zeilen();
}

class Dokument : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(m_ordner.path() + u"/Senvio-Listen"_s));
        m_dokument.BeginneNeu(u"Astra"_s);
        m_dokument.Aendere({u"Anfang"_s}, [](Listenaenderung& a) {
            for (const QString& zeile : Zeilen("ABC"))
                a.HaengeAn(zeile);
            for (int i = 0; i < 3; ++i)
                a.SetzeHerkunft(i, {u"ref%1"_s.arg(i), {}, {}, false, {}});
        });
        m_dokument.VergissVerlauf();
    }
    QStringList Herkunft() const {
        QStringList referenzen;
        for (int i = 0; i < m_dokument.Liste().Anzahl(); ++i)
            referenzen << m_dokument.Herkunft(i).referenz;
        return referenzen;
    }

    QTemporaryDir m_ordner;
    Listendokument m_dokument{ProgrammOrdner(m_ordner.path())};
};

// Each change as a command makes it: the step in the history, the file written or not,
// the lines renumbered or not; taking the step back brings lines and import knowledge back.
TEST_F(Dokument, JedeAenderungEinSchrittGespeichertUndNummeriertWieVerlangt) {
    struct Fall {
        const char* name;
        Schritt schritt;
        std::function<void(Listenaenderung&)> aenderung;
        QStringList zeilen; // after the change
        QStringList gespeichert;
        QStringList herkunft;
        bool imVerlauf = true;
    };
    const QString b2 = u"    7   = B2 #png#Ohne Logo1.png"_s; // an edit leaves the number as it stands
    const QString unnummeriert = u"    9   = D #png#Ohne Logo1.png"_s;
    const QStringList nichts{u"<nicht gespeichert>"_s};
    const Fall faelle[] = {
        {"bearbeiten",
         {u"Eintrag bearbeiten"_s, Speichern::Sofort, false},
         [&](Listenaenderung& a) { a.Ersetze(1, b2); },
         {Zeilen("A")[0], b2, Zeilen("ABC")[2]},
         {Zeilen("A")[0], b2, Zeilen("ABC")[2]},
         {u"ref0"_s, u"ref1"_s, u"ref2"_s}},
        // Written with the interim number; the renumbering reaches the file with the next save.
        {"einfügen",
         {u"Eintrag einfügen"_s, Speichern::Sofort, true},
         [&](Listenaenderung& a) {
             a.HaengeAn(unnummeriert);
             a.Waehle(3);
         },
         Zeilen("ABCD"),
         Zeilen("ABC") << unnummeriert,
         {u"ref0"_s, u"ref1"_s, u"ref2"_s, u""_s}},
        {"löschen",
         {u"Eintrag löschen"_s},
         [](Listenaenderung& a) { a.Loesche(0); },
         Zeilen("BC"),
         nichts,
         {u"ref1"_s, u"ref2"_s}},
        {"verschieben",
         {u"Eintrag verschieben"_s},
         [](Listenaenderung& a) { a.Verschiebe(0, 2); },
         Zeilen("BCA"),
         nichts,
         {u"ref1"_s, u"ref2"_s, u"ref0"_s}},
        // Nothing changed: no step, and a save that was asked for does not happen.
        {"nichts",
         {u"Nichts"_s, Speichern::Sofort, false},
         [](Listenaenderung&) {},
         Zeilen("ABC"),
         nichts,
         {u"ref0"_s, u"ref1"_s, u"ref2"_s},
         false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QFile::remove(m_dokument.Datei());
        m_dokument.Aendere(fall.schritt, fall.aenderung);
        EXPECT_EQ(m_dokument.Liste().Zeilen(), fall.zeilen);
        EXPECT_EQ(Gespeichert(m_dokument), fall.gespeichert);
        EXPECT_EQ(Herkunft(), fall.herkunft);
        EXPECT_EQ(m_dokument.Verlauf().undoText(), fall.imVerlauf ? fall.schritt.name : QString());
        if (!fall.imVerlauf)
            continue;
        EXPECT_TRUE(m_dokument.Rueckgaengig());
        EXPECT_EQ(m_dokument.Liste().Zeilen(), Zeilen("ABC"));
        EXPECT_EQ(Gespeichert(m_dokument), Zeilen("ABC")); // a step back is saved
        EXPECT_EQ(Herkunft(), (QStringList{u"ref0"_s, u"ref1"_s, u"ref2"_s}));
        EXPECT_TRUE(m_dokument.Wiederhole());
        EXPECT_EQ(Herkunft(), fall.herkunft);
        m_dokument.Rueckgaengig();
        m_dokument.VergissVerlauf();
    }
}

// Import knowledge belongs to the entry, not to its name: two entries of one name keep
// their own through a change on the whole list and its undo.
TEST_F(Dokument, HerkunftBleibtBeimEintragAuchBeiGleichemNamen) {
    m_dokument.Aendere({u"Umbenennen"_s}, [](Listenaenderung& a) {
        a.AendereZeilen([](SenderListe& liste) {
            liste.Ersetze(2, u"    3   = A #png#Ohne Logo1.png"_s); // now twice "A"
            liste.HaengeAn(u"    4   = E #png#Ohne Logo1.png"_s);
        });
    });
    EXPECT_EQ(Herkunft(), (QStringList{u"ref0"_s, u"ref1"_s, u"ref2"_s, u""_s}));
    m_dokument.Aendere({u"Verschieben"_s}, [](Listenaenderung& a) { a.Verschiebe(2, 0); });
    EXPECT_EQ(Herkunft(), (QStringList{u"ref2"_s, u"ref0"_s, u"ref1"_s, u""_s}));
    // The two lines of "A" swap places: the lines look as before, the knowledge does not.
    m_dokument.Aendere({u"Tauschen"_s}, [](Listenaenderung& a) { a.Verschiebe(1, 0); });
    EXPECT_EQ(Herkunft(), (QStringList{u"ref0"_s, u"ref2"_s, u"ref1"_s, u""_s}));
    EXPECT_EQ(m_dokument.Verlauf().undoText(), u"Tauschen"_s);
    m_dokument.Rueckgaengig();
    m_dokument.Rueckgaengig();
    m_dokument.Rueckgaengig();
    EXPECT_EQ(Herkunft(), (QStringList{u"ref0"_s, u"ref1"_s, u"ref2"_s}));
    EXPECT_EQ(m_dokument.Liste().Zeilen(), Zeilen("ABC"));
}

// A list file another program changed since the window read it is overwritten only when the
// user says so; a list another program holds locked is not written; the own lock of a run
// that reads, changes and writes a list does not stop its saves.
TEST_F(Dokument, FremdeAenderungenWerdenNichtUnbemerktUeberschrieben) {
    m_dokument.Speichere();
    QStringList fragen;
    bool ueberschreiben = false;
    m_dokument.SetzeUeberschreibfrage([&](const QString& name) {
        fragen << name;
        return ueberschreiben;
    });
    const auto haengeAn = [&](const char* namen) {
        m_dokument.Aendere({u"Neu"_s, Speichern::Sofort},
                           [&](Listenaenderung& a) { a.HaengeAn(Zeilen(namen).last()); });
    };
    haengeAn("ABCD");
    EXPECT_EQ(Gespeichert(m_dokument), Zeilen("ABCD"));
    SenderListe fremd;
    fremd.SetzeZeilen(Zeilen("XY"));
    SchreibeListendatei(m_dokument.Datei(), fremd);
    haengeAn("ABCDE");
    EXPECT_EQ(Gespeichert(m_dokument), Zeilen("XY"));
    ueberschreiben = true;
    haengeAn("ABCDEF");
    haengeAn("ABCDEFG");
    EXPECT_EQ(Gespeichert(m_dokument), Zeilen("ABCDEFG"));
    EXPECT_EQ(fragen, (QStringList{u"Astra"_s, u"Astra"_s}));

    QLockFile andererLauf(m_ordner.path() + u"/Senvio-Listen/.Astra.lis.lock"_s);
    ASSERT_TRUE(andererLauf.tryLock(0));
    try {
        const Listensperre sperre(m_dokument.Datei(), 100);
        ADD_FAILURE() << "Die Sperre eines anderen Laufs wurde übergangen";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.meldung(), u"Die Liste Astra wird gerade von einem anderen Programm geändert."_s);
    }
    andererLauf.unlock();
    const Listensperre eigene(m_dokument.Datei(), 0);
    QLockFile zweiterLauf(m_ordner.path() + u"/Senvio-Listen/.Astra.lis.lock"_s);
    EXPECT_FALSE(zweiterLauf.tryLock(0)) << "Die eigene Sperre hält einen anderen Lauf nicht ab";
    haengeAn("ABCDEFGH");
    EXPECT_EQ(Gespeichert(m_dokument), Zeilen("ABCDEFGH"));
    EXPECT_EQ(fragen.size(), 2);
}

// What an import knew is kept beside the list from one session to the next. A list changed
// elsewhere gets each entry's knowledge by its name; a file that is not ours is not used.
TEST_F(Dokument, HerkunftBleibtBeiDerListeUndFolgtDenNamen) {
    const Eintragsherkunft erste{
        u"1:0:19:283D:3FB:1:C00000:0:0:0:"_s, {u"daserste"_s, u"ard"_s}, u"Das Erste HD"_s, false, {}};
    m_dokument.Aendere({u"Import"_s}, [&](Listenaenderung& a) {
        a.SetzeHerkunft(0, erste);
        a.SetzeHerkunft(1, {});
        a.SetzeHerkunft(2, {u"http://r/1"_s, {}, u"NDR 90,3\tNörd 😀"_s, true, {}});
    });
    m_dokument.Speichere();
    const QString quellen = m_ordner.path() + u"/Senvio-Listen/Astra.quellen"_s;
    const Eintragsherkunft ndr{u"http://r/1"_s, {}, u"NDR 90,3 Nörd 😀"_s, true, {}};
    const auto geladen = [&] {
        Listendokument dokument{ProgrammOrdner(m_ordner.path())};
        dokument.LadeLetzte(u"Astra"_s);
        QList<Eintragsherkunft> herkunft;
        for (int i = 0; i < dokument.Liste().Anzahl(); ++i)
            herkunft << dokument.Herkunft(i);
        return std::pair(herkunft, dokument.Quellenhinweis());
    };
    EXPECT_EQ(geladen(), std::pair((QList<Eintragsherkunft>{erste, {}, ndr}), QString()));
    SenderListe anderswo;
    anderswo.SetzeZeilen(Zeilen("CXAA"));
    SchreibeListendatei(m_dokument.Datei(), anderswo);
    EXPECT_EQ(geladen(), std::pair((QList<Eintragsherkunft>{ndr, {}, erste, {}}), QString()));
    test::Schreib(quellen, "Senvio-Quellen 1\nA\tTV\t\xff\n");
    EXPECT_EQ(geladen(), std::pair(QList<Eintragsherkunft>(4), u"Die Datei "_s + quellen +
                                                                   u" passt nicht zu Senvio; die Herkunft der Einträge "
                                                                   u"wird nicht verwendet."_s));
    m_dokument.Aendere({u"Von Hand"_s}, [](Listenaenderung& a) {
        for (int i = 0; i < 3; ++i)
            a.SetzeHerkunft(i, {});
    });
    m_dokument.Speichere();
    EXPECT_FALSE(QFileInfo::exists(quellen));
}

// A short name for print alone is a change that is saved and taken back; it follows its entry's
// line in the sources file as a line of two fields, which earlier versions skip.
TEST_F(Dokument, KurznameWirdGespeichertUndFolgtSeinemEintrag) {
    m_dokument.Aendere({u"Eintrag bearbeiten"_s, Speichern::Sofort, false}, [](Listenaenderung& a) {
        a.SetzeHerkunft(1, {u"ref1"_s, {}, {}, false, u"BR Süd"_s});
    });
    const QString quellen = m_ordner.path() + u"/Senvio-Listen/Astra.quellen"_s;
    EXPECT_EQ(test::Lies(quellen), "Senvio-Quellen 1\nA\tTV\tref0\t\nB\tTV\tref1\t\nKurzname\tBR S\xc3\xbc"
                                   "d\nC\tTV\tref2\t\n");
    m_dokument.Aendere({u"Verschieben"_s, Speichern::Sofort}, [](Listenaenderung& a) { a.Verschiebe(1, 0); });
    Listendokument geladen{ProgrammOrdner(m_ordner.path())};
    geladen.LadeLetzte(u"Astra"_s);
    EXPECT_EQ(std::pair(geladen.Herkunft(0).kurzname, geladen.Herkunft(1).kurzname), std::pair(u"BR Süd"_s, QString()));
    m_dokument.Rueckgaengig();
    m_dokument.Rueckgaengig();
    EXPECT_EQ(m_dokument.Herkunft(1).kurzname, QString());
}

// A print or picture run: the lines drawn, where the placeholder counter stands afterwards,
// and whether the cards an update changed still wait to be printed.
TEST_F(Dokument, AusgabeZeichnetDieGeaendertenKartenUndSetztDenZaehlerZurueck) {
    // Twenty entries on two cards; an update changed the seventeenth, on card 2.
    m_dokument.Aendere({u"Liste"_s}, [](Listenaenderung& a) {
        a.AendereZeilen([](SenderListe& l) { l.SetzeZeilen(Zeilen("ABCDEFGHIJKLMNOPQRST")); });
    });
    m_dokument.Aendere({u"Aktualisieren"_s}, [](Listenaenderung& a) {
        a.Ersetze(16, u"   17   = Q2 #png#Ohne Logo1.png"_s);
        a.MerkeGedrucktenStand();
    });
    ASSERT_EQ(m_dokument.GeaenderteKarten(), QList<int>{2});
    // Saved, the printed stand goes with the list into a later session (and to senvio-druck).
    m_dokument.Speichere();
    const auto wartetNachLaden = [&] {
        Listendokument spaeter{ProgrammOrdner(m_ordner.path())};
        spaeter.LadeLetzte(u"Astra"_s);
        return spaeter.GeaenderteKarten();
    };
    EXPECT_EQ(wartetNachLaden(), QList<int>{2});
    const struct Fall {
        const char* was;
        Ausgabezweck zweck;
        bool nurGeaenderte;
        bool ganz;
        qsizetype linien;
        int zaehlerDanach;
        bool wartetDanach;
    } faelle[] = {
        {"Bild der ganzen Liste", Ausgabezweck::Bild, false, true, 20, 9, true},
        {"Vorschau der geänderten Karte", Ausgabezweck::Vorschau, true, true, 5, 5, true},
        {"abgebrochener Druck", Ausgabezweck::Druck, true, false, 5, 5, true},
        {"Druck in eine Datei", Ausgabezweck::Druckdatei, true, true, 5, 5, true},
        {"Druck der geänderten Karte", Ausgabezweck::Druck, true, true, 5, 5, false},
        {"nichts wartet mehr: die ganze Liste", Ausgabezweck::Druck, true, true, 20, 9, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        m_dokument.Aendere({{}, Speichern::Spaeter, false}, [](Listenaenderung& a) { a.Platzhalterzaehler() = 5; });
        QStringList gezeichnet;
        const bool ganz =
            m_dokument.ZeichneAusgabe(f.zweck, f.nurGeaenderte, [&](const SenderListe& linien, Eintragsumgebung& u) {
                gezeichnet = linien.Zeilen();
                u.platzhalterzaehler += 4; // as drawing four placeholders advances it
                return f.ganz;
            });
        EXPECT_EQ(ganz, f.ganz);
        ASSERT_EQ(gezeichnet.size(), f.linien);
        // A card keeps the numbers it has in the whole list.
        EXPECT_TRUE(gezeichnet.first().contains(f.linien == 5 ? u"16   = P "_s : u"1   = A "_s))
            << gezeichnet.first().toStdString();
        EXPECT_EQ(m_dokument.Umgebung().platzhalterzaehler, f.zaehlerDanach);
        EXPECT_EQ(!m_dokument.GeaenderteKarten().isEmpty(), f.wartetDanach);
    }
    EXPECT_EQ(wartetNachLaden(), QList<int>{});
}

// An import into an empty list is no step of the history (there is nothing to go back to);
// appended to a list it is one, and taking it back leaves the list as it was.
TEST_F(Dokument, ImportInEineLeereListeIstKeinSchritt) {
    Listendokument neu{ProgrammOrdner(m_ordner.path())};
    neu.BeginneNeu(u"Kabel"_s);
    const QList<ImportEintrag> zwei{{u"ZDF HD"_s, {}, u"C-1-1079-11110"_s, false}, {u"Bayern 1"_s, {}, {}, true}};
    EXPECT_EQ(HaengeImportAn(neu, zwei, Speichern::Spaeter), 0);
    EXPECT_EQ(neu.Verlauf().count(), 0);
    EXPECT_EQ(neu.Liste().Anzahl(), 2);
    EXPECT_EQ(HaengeImportAn(m_dokument, zwei, Speichern::Spaeter), 3);
    EXPECT_EQ(m_dokument.Verlauf().count(), 1);
    EXPECT_EQ(m_dokument.Liste().Zeile(4), u"    5   = Bayern 1 #png#Ohne Logo2.png"_s);
    EXPECT_EQ(m_dokument.Herkunft(3).referenz, u"C-1-1079-11110"_s);
    EXPECT_TRUE(m_dokument.Rueckgaengig());
    EXPECT_EQ(m_dokument.Liste().Zeilen(), Zeilen("ABC"));
}

} // namespace
