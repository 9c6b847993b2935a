// The edit, insert and move rules on lines the main window's tests do not reach.
#include "list/Bearbeitung.h"
#include "list/Doppelte.h"
#include "list/Listendatei.h"
#include "list/Umordnung.h"
#include "list/Zeilenwechsel.h"

#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

TEST(Bearbeitung, OkImBearbeitenDialog) {
    // line, new name, box ticked, counter before, new line, counter after
    const std::tuple<QString, QString, bool, int, std::optional<QString>, int> faelle[] = {
        {u"    1   = A #png#"_s, u"A"_s, true, 0, u"    1   = A #png#Ohne Logo1.png"_s, 1},
        {u"    3   = Z #png#OHNE LOGO.png"_s, u"X"_s, true, 1, u"    3   = X #png#OHNE LOGO.png"_s, 1},
        {u"    1   = A #png#a.png"_s, u" \tПервый ☺ "_s, false, 2, u"    1   = \tПервый ☺ #png#a.png"_s, 3},
        {u"    1   = Nur Text"_s, u"X"_s, true, 2, std::nullopt, 2},
        {u"ARD #png#ard.png"_s, u"X"_s, true, 2, std::nullopt, 2},
    };
    for (const auto& [zeile, name, entfernen, vorher, neu, nachher] : faelle) {
        int zaehler = vorher;
        EXPECT_EQ(std::tuple(BearbeiteteZeile(zeile, name, entfernen, zaehler), zaehler), std::tuple(neu, nachher));
    }
    EXPECT_EQ(NameZumBearbeiten(u"  2 = A = B  #png#b"_s), u"A = B"_s);
    EXPECT_EQ(NameZumBearbeiten(u"    1   = Nur Text"_s), std::nullopt);
}

// Whatever the name holds, the line made of it is read back from the list file as one line.
TEST(Bearbeitung, NamenWerdenEinzeilig) {
    const std::pair<QString, QString> faelle[] = {
        {u"ZDF\r\nHD\n"_s, u"ZDF HD"_s},
        {u" \tA\rB\vC\fD"_s + QChar(0) + u"E\u0085F\u2028G\u2029\r"_s, u"\tA B C D E F G"_s},
    };
    for (const auto& [name, einzeilig] : faelle) {
        int zaehler = 0;
        const QString neu = NeueTextzeile(name, 7, zaehler);
        EXPECT_EQ(neu, u"  7 = "_s + einzeilig + u" #png#Ohne Logo1.png"_s);
        EXPECT_EQ(DekodiereListe(KodiereListe({neu}, true)).zeilen, QStringList{neu});
    }
}

TEST(Bearbeitung, NeueTextzeileUndTastenZiel) {
    int zaehler = 4;
    EXPECT_EQ(NeueTextzeile(u"KiKA"_s, 123, zaehler), u"  123 = KiKA #png#Ohne Logo1.png"_s);
    EXPECT_EQ(zaehler, 1);
    // The third placeholder stays the counter; after the fourth the next round starts at 0.
    for (const auto& [vorher, nachher] : {std::pair{2, 3}, {3, 0}}) {
        zaehler = vorher;
        NeueTextzeile(u"A"_s, 1, zaehler);
        EXPECT_EQ(zaehler, nachher) << vorher;
    }
    // current, count, upwards, target
    const std::tuple<int, int, bool, std::optional<int>> faelle[] = {
        {2, 5, false, 3}, {2, 5, true, 1}, {0, 5, true, {}}, {4, 5, false, {}}, {-1, 5, false, {}},
    };
    for (const auto& [aktuell, anzahl, hoch, ziel] : faelle)
        EXPECT_EQ(TastenZiel(aktuell, anzahl, hoch), ziel) << aktuell << ' ' << hoch;
}

// An undo step keeps the stretch between the common start and end; lines that differ only
// in their number count as equal, and the common start is not counted into the end again.
TEST(Bearbeitung, SchrittHaeltNurDieGeaenderteStrecke) {
    const auto zeilen = [](const char* namen) {
        QStringList z;
        for (const char* n = namen; *n; ++n)
            z << u"  %1 = %2 #png#x"_s.arg(z.size() + 1).arg(QLatin1Char(*n));
        return z;
    };
    const std::tuple<const char*, const char*, qsizetype, qsizetype, qsizetype> faelle[] = {
        {"ABCDE", "BCDE", 0, 1, 0}, {"ABCDE", "ACDBE", 1, 3, 3}, {"AAA", "AA", 2, 1, 0}, {"AB", "ABC", 2, 0, 1}};
    for (const auto& [vorher, nachher, ab, weg, hin] : faelle) {
        const Zeilenwechsel w = VergleicheZeilen(zeilen(vorher), zeilen(nachher));
        EXPECT_EQ(std::tuple(w.ab, w.vorher.size(), w.nachher.size()), std::tuple(ab, weg, hin)) << vorher << nachher;
        SenderListe liste;
        liste.SetzeZeilen(zeilen(vorher));
        ASSERT_TRUE(WendeAn(liste, w, true));
        EXPECT_TRUE(VergleicheZeilen(liste.Zeilen(), zeilen(nachher)).IstLeer()) << vorher << nachher;
        ASSERT_TRUE(WendeAn(liste, w, false));
        EXPECT_EQ(liste.Zeilen(), zeilen(vorher));
    }
    SenderListe kurz; // a step that does not fit leaves the list alone
    kurz.SetzeZeilen(zeilen("AB"));
    EXPECT_FALSE(WendeAn(kurz, {1, zeilen("ABC").mid(1), {}}, true));
    EXPECT_EQ(kurz.Zeilen(), zeilen("AB"));
}

TEST(Bearbeitung, SenderschluesselOhneSchreibweiseUndQualitaetswort) {
    QStringList schluessel;
    for (const char* name : {"Das-Erste (SD)", "ARTE  hd ", "ZDF UHD", "3satHD", "HD", "M\u00fcnchen TV",
                             "Mu\u0308nchen TV 4K", "(frei)", "---"})
        schluessel << Senderschluessel(QString::fromUtf8(name));
    EXPECT_EQ(schluessel,
              (QStringList{
                  u"daserste"_s, u"arte"_s, u"zdf"_s, u"3sathd"_s, u"hd"_s, u"muenchentv"_s, u"muenchentv"_s, {}, {}}));
}

// Only the same service (of the same kind) or the same name is surely a copy; names that only
// share a station key, also through the name the source gave, and a radio station named as a
// television station are only alike.
TEST(Bearbeitung, SpaetereKopienSicherNurBeiGleichemDienstOderNamen) {
    // name | kind and reference (none: typed by hand) | the name the source gave
    const QStringList eintraege = u"Das Erste HD|T283D;RTL HD|T2EE3;RTL UHD|T302F;ATV HD|T33C;a.tv HD|TC12;ARD|T283D;"
                                  u"das erste  hd;Das Erste|T6DCA;BR24|TA1;BR24|RA2;(frei);(frei);"
                                  u"Erstes|T99|Das Erste HD;ZDF|T2B66;ZDF|R2B66"_s.split(u';');
    QStringList zeilen, kopien;
    QList<Dienstkennung> dienste;
    for (const QString& eintrag : eintraege) {
        const QStringList feld = eintrag.split(u'|');
        zeilen << u"    1   = "_s + feld[0] + u" #png#"_s;
        dienste.append({feld.value(1).mid(1), feld.value(2), feld.value(1).startsWith(u'R'), feld.size() > 1});
    }
    for (const Kopie& k : SpaetereKopien(zeilen, dienste))
        kopien << u"%1>%2%3"_s.arg(k.eintrag + 1).arg(k.erster + 1).arg(k.sicher ? u"" : u"?");
    EXPECT_EQ(kopien,
              (QStringList{u"3>2?"_s, u"5>4?"_s, u"6>1"_s, u"7>1"_s, u"8>1?"_s, u"10>9?"_s, u"13>1?"_s, u"15>14?"_s}));
}
