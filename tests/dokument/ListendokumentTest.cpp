#include "dokument/Listendokument.h"

#include "dokument/Importablauf.h"

#include "list/Listendatei.h"
#include "platform/Fehler.h"

#include "TestDateien.h"

#include <QDateTime>
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
        EXPECT_EQ(f.meldung(), u"Die Liste Astra wird gerade von einem anderen Programm geändert (Sperrdatei "_s +
                                   m_ordner.path() + u"/Senvio-Listen/.Astra.lis.lock)."_s);
    }
    andererLauf.unlock();
    const Listensperre eigene(m_dokument.Datei(), 0);
    QLockFile zweiterLauf(m_ordner.path() + u"/Senvio-Listen/.Astra.lis.lock"_s);
    EXPECT_FALSE(zweiterLauf.tryLock(0)) << "Die eigene Sperre hält einen anderen Lauf nicht ab";
    haengeAn("ABCDEFGH");
    EXPECT_EQ(Gespeichert(m_dokument), Zeilen("ABCDEFGH"));
    EXPECT_EQ(fragen.size(), 2);
}

// A lock nobody can hold any more is taken over; one that may be held names its lock file.
TEST_F(Dokument, SperreOhneHalterWirdUebernommen) {
    const QString sperrdatei = m_ordner.path() + u"/Senvio-Listen/.Astra.lis.lock"_s;
    const QString fremd = u"Die Liste Astra ist von einem Programm auf dem Rechner „wohnzimmer-pc“ gesperrt. Wenn "
                          u"dort niemand mehr an der Liste arbeitet, löschen Sie bitte die Sperrdatei "_s +
                          sperrdatei + u"."_s;
    const struct Fall {
        const char* inhalt; // nullptr: a folder
        bool mitDatei;      // the folder holds a file
        int alterS;
        QString meldung; // empty: taken over
    } faelle[] = {
        {"", false, 10, {}},
        {"\xff\xfe<html>", false, 10, {}},
        {nullptr, false, 0, {}},
        {nullptr, true, 0,
         u"Die Liste Astra kann nicht gesperrt werden: An Stelle der Sperrdatei steht der Ordner "_s + sperrdatei +
             u". Bitte löschen Sie ihn."_s},
        {"4242\nsenvio-import\nwohnzimmer-pc\n", false, 10, fremd},
        {"4242\nsenvio-import\nwohnzimmer-pc\n", false, 600, {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << (f.inhalt ? f.inhalt : "Ordner") << ' ' << f.alterS);
        if (f.inhalt) {
            QFile datei(sperrdatei);
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
            datei.write(f.inhalt);
            datei.flush();
            datei.setFileTime(QDateTime::currentDateTime().addSecs(-f.alterS), QFileDevice::FileModificationTime);
        } else {
            ASSERT_TRUE(QDir().mkpath(sperrdatei + (f.mitDatei ? u"/notiz.txt"_s : QString())));
        }
        QString meldung;
        try {
            const Listensperre sperre(m_dokument.Datei(), 200);
        } catch (const Fehler& fehler) {
            meldung = fehler.meldung();
        }
        EXPECT_EQ(meldung, f.meldung);
        EXPECT_EQ(QFileInfo::exists(sperrdatei), !f.meldung.isEmpty());
        QDir(sperrdatei).removeRecursively();
        QFile::remove(sperrdatei);
    }
}

// What an import knew is kept beside the list from one session to the next. A file that is
// not ours, or was written for another list, is not used.
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
    const auto nichtVerwendet = [&](qsizetype n) {
        return std::pair(QList<Eintragsherkunft>(n), u"Die Datei "_s + quellen +
                                                         u" passt nicht zu Senvio; die Herkunft der Einträge "
                                                         u"wird nicht verwendet."_s);
    };
    // A list of another size than the one the file was written with: the file is not used.
    SenderListe anderswo;
    anderswo.SetzeZeilen(Zeilen("CXAA"));
    SchreibeListendatei(m_dokument.Datei(), anderswo);
    EXPECT_EQ(geladen(), nichtVerwendet(4));
    test::Schreib(quellen, "Senvio-Quellen 1\nA\tTV\t\xff\n");
    EXPECT_EQ(geladen(), nichtVerwendet(4));
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
    // Without the lines that tie the file to its list (their own test checks them).
    const QByteArray text = test::Lies(quellen);
    EXPECT_EQ(text.left(17) + text.mid(text.indexOf("\nA\t") + 1),
              "Senvio-Quellen 1\nA\tTV\tref0\t\nB\tTV\tref1\t\nKurzname\tBR S\xc3\xbc"
              "d\nC\tTV\tref2\t\n");
    m_dokument.Aendere({u"Verschieben"_s, Speichern::Sofort}, [](Listenaenderung& a) { a.Verschiebe(1, 0); });
    Listendokument geladen{ProgrammOrdner(m_ordner.path())};
    geladen.LadeLetzte(u"Astra"_s);
    EXPECT_EQ(std::pair(geladen.Herkunft(0).kurzname, geladen.Herkunft(1).kurzname), std::pair(u"BR Süd"_s, QString()));
    m_dokument.Rueckgaengig();
    m_dokument.Rueckgaengig();
    EXPECT_EQ(m_dokument.Herkunft(1).kurzname, QString());
}

// The list and its sources file are written as one: a sidecar that cannot be written leaves
// both as they were, a kill between the two renames is made good by the next read, and two
// entries of one name that another program swapped keep their own services.
TEST_F(Dokument, ListeUndQuellenSindEinPaar) {
    const QString sat = u"1:0:19:2B66:3F3:1:C00000:0:0:0:"_s, kabel = u"1:0:1:6D66:437:1:FFFF0000:0:0:0:"_s;
    const QString listen = m_ordner.path() + u"/Senvio-Listen/"_s;
    m_dokument.Aendere({u"Import"_s}, [&](Listenaenderung& a) {
        a.Ersetze(0, u"    1   = ZDF HD #png#zdf.png"_s);
        a.Ersetze(2, u"    3   = ZDF HD #png#zdf-kabel.png"_s);
        a.SetzeHerkunft(0, {sat, {}, u"ZDF HD"_s, false});
        a.SetzeHerkunft(2, {kabel, {}, u"ZDF HD"_s, false});
    });
    m_dokument.Speichere();
    SenderListe getauscht;
    getauscht.SetzeZeilen(
        {u"    1   = ZDF HD #png#zdf-kabel.png"_s, Zeilen("AB")[1], u"    3   = ZDF HD #png#zdf.png"_s});
    SchreibeListendatei(m_dokument.Datei(), getauscht);
    const auto referenzen = [&] {
        Listendokument dokument{ProgrammOrdner(m_ordner.path())};
        dokument.LadeLetzte(u"Astra"_s);
        QStringList r;
        for (int i = 0; i < dokument.Liste().Anzahl(); ++i)
            r << dokument.Herkunft(i).referenz;
        return r + QStringList{dokument.Quellenhinweis()};
    };
    EXPECT_EQ(referenzen(), (QStringList{kabel, u"ref1"_s, sat, {}}));

    ASSERT_TRUE(QDir().mkpath(listen + u"Astra.quellen.neu/belegt"_s));
    m_dokument.Aendere({u"Umbenennen"_s},
                       [](Listenaenderung& a) { a.Ersetze(1, u"    2   = 3sat HD #png#3sat.png"_s); });
    EXPECT_THROW(m_dokument.Speichere(), DateiFehler);
    EXPECT_EQ(Gespeichert(m_dokument), getauscht.Zeilen());
    EXPECT_EQ(QDir(listen).entryList(QDir::Files | QDir::Hidden), (QStringList{u"Astra.lis"_s, u"Astra.quellen"_s}));
    ASSERT_TRUE(QDir(listen + u"Astra.quellen.neu"_s).removeRecursively());

    // A kill after the list was renamed: the old sidecar beside the new list, the new one waiting.
    const QByteArray alt = test::Lies(listen + u"Astra.quellen"_s);
    m_dokument.Speichere();
    ASSERT_TRUE(QFile::rename(listen + u"Astra.quellen"_s, listen + u"Astra.quellen.neu"_s));
    test::Schreib(listen + u"Astra.quellen"_s, alt);
    EXPECT_EQ(referenzen(), (QStringList{sat, u"ref1"_s, kabel, {}}));
    EXPECT_FALSE(QFileInfo::exists(listen + u"Astra.quellen.neu"_s));
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
