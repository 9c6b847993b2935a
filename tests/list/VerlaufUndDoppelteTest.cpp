// The stretch an undo step keeps, and which entries count as the same station.
#include "list/Doppelte.h"
#include "list/Zeilenwechsel.h"

#include <gtest/gtest.h>

namespace senvio {
namespace {

using namespace Qt::StringLiterals;

// Lines "    n   = NAME #png#" for the names, numbered from 1.
QStringList Zeilen(const QStringList& namen) {
    QStringList zeilen;
    for (qsizetype i = 0; i < namen.size(); ++i)
        zeilen << u"    %1   = %2 #png#Ohne Logo1.png"_s.arg(i + 1).arg(namen[i]);
    return zeilen;
}

TEST(Zeilenwechsel, NurDieGeaenderteStreckeUndZurueckWieVorher) {
    const QStringList abc = Zeilen({u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s});
    const QStringList aaa = Zeilen({u"A"_s, u"A"_s, u"A"_s});
    struct Fall {
        const char* was;
        QStringList vorher, nachher;
        Zeilenwechsel erwartet;
    };
    const Fall faelle[] = {
        {"nichts", abc, abc, {5, {}, {}}},
        // Renumbered lines after a deletion at the top count as unchanged.
        {"erste geloescht", abc, Zeilen({u"B"_s, u"C"_s, u"D"_s, u"E"_s}), {0, abc.mid(0, 1), {}}},
        {"angehaengt", abc, abc + QStringList{u"  6 = F #png#x"_s}, {5, {}, {u"  6 = F #png#x"_s}}},
        {"bearbeitet",
         abc,
         Zeilen({u"A"_s, u"B"_s, u"X"_s, u"D"_s, u"E"_s}),
         {2, abc.mid(2, 1), Zeilen({u"A"_s, u"B"_s, u"X"_s}).mid(2)}},
        {"zwei nach vier",
         abc,
         Zeilen({u"A"_s, u"C"_s, u"D"_s, u"B"_s, u"E"_s}),
         {1, abc.mid(1, 3), Zeilen({u"A"_s, u"C"_s, u"D"_s, u"B"_s}).mid(1)}},
        // Equal neighbours: the common start is not counted into the common end again.
        {"gleiche Nachbarn", aaa, aaa.mid(0, 2), {2, aaa.mid(2), {}}},
        {"alles weg", abc, {}, {0, abc, {}}},
    };
    for (const Fall& f : faelle) {
        const Zeilenwechsel w = VergleicheZeilen(f.vorher, f.nachher);
        EXPECT_EQ(std::tuple(w.ab, w.vorher, w.nachher),
                  std::tuple(f.erwartet.ab, f.erwartet.vorher, f.erwartet.nachher))
            << f.was;
        SenderListe liste;
        liste.SetzeZeilen(f.vorher);
        ASSERT_TRUE(WendeAn(liste, w, true)) << f.was;
        // Forward the lines are as after the change, up to the prefixes the renumbering sets.
        ASSERT_EQ(liste.Anzahl(), f.nachher.size()) << f.was;
        EXPECT_TRUE(VergleicheZeilen(liste.Zeilen(), f.nachher).IstLeer()) << f.was;
        ASSERT_TRUE(WendeAn(liste, w, false)) << f.was;
        EXPECT_EQ(liste.Zeilen(), f.vorher) << f.was;
    }
    // A step that does not fit the list leaves it alone.
    SenderListe kurz;
    kurz.SetzeZeilen(abc.mid(0, 2));
    EXPECT_FALSE(WendeAn(kurz, {1, abc.mid(1, 3), {}}, true));
    EXPECT_EQ(kurz.Zeilen(), abc.mid(0, 2));
}

TEST(Doppelte, SchluesselFindenUndDasNaechsteDoppel) {
    const std::pair<const char*, const char*> schluessel[] = {
        {"Das Erste HD", "daserste"},
        {"das erste", "daserste"},
        {"Das-Erste (SD)", "daserste"},
        {"3sat HD", "3sat"},
        {"3sat", "3sat"},
        {"3satHD", "3sathd"},
        {"ZDFneo", "zdfneo"},
        {"ZDF UHD", "zdf"},
        {"München TV", "muenchentv"},
        {"Mu\u0308nchen TV 4K", "muenchentv"},
        {"Muenchen TV", "muenchentv"},
        {"HD", "hd"},
        {"ARTE  hd ", "arte"},
        {"(frei)", ""},
        {"(ohne Name)", ""},
        {"---", ""},
    };
    for (const auto& [name, erwartet] : schluessel)
        EXPECT_EQ(Senderschluessel(QString::fromUtf8(name)), QString::fromUtf8(erwartet)) << name;

    const QStringList liste = Zeilen(
        {u"3sat"_s, u"ZDF"_s, u"(frei)"_s, u"ZDFneo"_s, u"3sat HD"_s, u"(frei)"_s, u"Muenchen TV"_s, u"München TV"_s});
    EXPECT_EQ(FindeGleichenSender(liste, u"3SAT hd"_s), 0);
    EXPECT_EQ(FindeGleichenSender(liste, u"ZDF neo"_s), 3);
    EXPECT_EQ(FindeGleichenSender(liste, u"ZDFinfo"_s), std::nullopt);
    EXPECT_EQ(FindeGleichenSender(liste, u"(frei)"_s), std::nullopt);
    // From no selection: 3sat (with 3sat HD), then 3sat HD (with 3sat), the two Munich
    // spellings, and round again; ZDF, ZDFneo and the free numbers never.
    QList<std::pair<qsizetype, qsizetype>> gefunden;
    qsizetype aktuell = -1;
    for (int i = 0; i < 5; ++i) {
        const std::optional<Doppel> d = NaechstesDoppel(liste, aktuell);
        ASSERT_TRUE(d);
        gefunden << std::pair(d->eintrag, d->anderer);
        aktuell = d->eintrag;
    }
    EXPECT_EQ(gefunden, (QList<std::pair<qsizetype, qsizetype>>{{0, 4}, {4, 0}, {6, 7}, {7, 6}, {0, 4}}));
    EXPECT_EQ(NaechstesDoppel(Zeilen({u"ZDF"_s, u"ZDFneo"_s, u"(frei)"_s, u"(frei)"_s}), 0), std::nullopt);
    EXPECT_EQ(NaechstesDoppel({}, -1), std::nullopt);
}

} // namespace
} // namespace senvio
