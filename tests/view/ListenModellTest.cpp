// Every kind of change through the list's model: the lines after it and what the views learn.
#include "view/ListenModell.h"
#include "TestDateien.h"
#include "list/Zeilenformat.h"

#include <gtest/gtest.h>

namespace senvio {
namespace {

using namespace Qt::StringLiterals;

// Entries named by letters; each keeps the number of its letter (A is 1), as before a renumbering.
QStringList Zeilen(const char* namen) {
    QStringList zeilen;
    for (const char* c = namen; *c; ++c)
        zeilen << Praefix(*c - 'A' + 1) + QLatin1Char(*c);
    return zeilen;
}

TEST(ListenModell, JedeAenderungMeldetGenauIhreZeilen) {
    const struct {
        const char* name;
        std::function<void(ListenModell&)> aenderung;
        QStringList danach;
        QStringList gemeldet;
    } faelle[] = {
        {"ersetzen",
         [](ListenModell& m) { m.Ersetze(2, u"X"_s); },
         Zeilen("AB") << u"X"_s << Zeilen("D"),
         {"geändert 2-2"}},
        {"anhängen", [](ListenModell& m) { m.HaengeAn(Zeilen("E")[0]); }, Zeilen("ABCDE"), {"eingefügt 4-4"}},
        {"löschen", [](ListenModell& m) { m.Loesche(0); }, Zeilen("BCD"), {"entfernt 0-0"}},
        {"nach unten", [](ListenModell& m) { m.Verschiebe(0, 2); }, Zeilen("BCAD"), {"verschoben 0 vor 3"}},
        {"nach oben", [](ListenModell& m) { m.Verschiebe(3, 1); }, Zeilen("ADBC"), {"verschoben 3 vor 1"}},
        {"an seinen Platz", [](ListenModell& m) { m.Verschiebe(1, 1); }, Zeilen("ABCD"), {}},
        {"alle setzen", [](ListenModell& m) { m.SetzeAlle({}); }, {}, {"neu"}},
        {"leeren", [](ListenModell& m) { m.Leere(); }, {}, {"neu"}},
        // B C became X: one row changed, the other removed; D E added after D.
        {"Strecke kürzer",
         [](ListenModell& m) { m.Aendere([](SenderListe& l) { l.SetzeZeilen(Zeilen("AXD")); }); },
         Zeilen("AXD"),
         {"entfernt 2-2", "geändert 1-1"}},
        {"Strecke länger",
         [](ListenModell& m) { m.Aendere([](SenderListe& l) { l.SetzeZeilen(Zeilen("ABCDDE")); }); },
         Zeilen("ABCDDE"),
         {"eingefügt 4-5"}},
        {"nichts geändert", [](ListenModell& m) { m.Aendere([](SenderListe&) {}); }, Zeilen("ABCD"), {}},
        // Only C and D get new numbers.
        {"neu nummerieren",
         [](ListenModell& m) {
             m.Loesche(1);
             m.NummeriereNeu();
         },
         {Praefix(1) + u"A"_s, Praefix(2) + u"C"_s, Praefix(3) + u"D"_s},
         {"entfernt 1-1", "geändert 1-2"}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        SenderListe liste;
        liste.SetzeZeilen(Zeilen("ABCD"));
        liste.SetzeUnicode(true);
        ListenModell modell(liste);
        QStringList gemeldet;
        const auto melde = [&](const char* was, int von, int bis) {
            gemeldet << QStringLiteral("%1 %2-%3").arg(QString::fromUtf8(was)).arg(von).arg(bis);
        };
        QObject::connect(&modell, &QAbstractItemModel::dataChanged,
                         [&](const QModelIndex& a, const QModelIndex& b) { melde("geändert", a.row(), b.row()); });
        QObject::connect(&modell, &QAbstractItemModel::rowsInserted,
                         [&](const QModelIndex&, int a, int b) { melde("eingefügt", a, b); });
        QObject::connect(&modell, &QAbstractItemModel::rowsRemoved,
                         [&](const QModelIndex&, int a, int b) { melde("entfernt", a, b); });
        QObject::connect(&modell, &QAbstractItemModel::rowsMoved,
                         [&](const QModelIndex&, int a, int, const QModelIndex&, int vor) {
                             gemeldet << QStringLiteral("verschoben %1 vor %2").arg(a).arg(vor);
                         });
        QObject::connect(&modell, &QAbstractItemModel::modelReset, [&] { gemeldet << u"neu"_s; });
        fall.aenderung(modell);
        EXPECT_EQ(modell.Liste().Zeilen(), fall.danach);
        EXPECT_EQ(modell.rowCount(), fall.danach.size());
        EXPECT_EQ(gemeldet, fall.gemeldet);
        // Only a list of its own brings its own flag.
        EXPECT_EQ(modell.Liste().IstUnicode(), std::string(fall.name) != "alle setzen");
    }
}

} // namespace
} // namespace senvio
