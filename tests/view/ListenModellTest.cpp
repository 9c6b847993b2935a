// Every kind of change through the list's model: the lines after it and what the views learn.
#include "view/ListenModell.h"
#include "TestDateien.h"
#include "list/Zeilenformat.h"

#include <gtest/gtest.h>

namespace senvio {
namespace {

using namespace Qt::StringLiterals;

// Entries named by letters; each keeps the number of its letter (A is 1) until renumbered.
QStringList Zeilen(const char* namen) {
    QStringList zeilen;
    for (const char* c = namen; *c; ++c)
        zeilen << Praefix(*c - 'A' + 1) + QLatin1Char(*c);
    return zeilen;
}

TEST(ListenModell, JedeAenderungMeldetGenauIhreZeilen) {
    using M = ListenModell&;
    const std::tuple<std::function<void(M)>, QStringList, QStringList> faelle[] = {
        {[](M m) { m.Ersetze(2, Zeilen("X")[0]); }, Zeilen("ABXD"), {"geändert 2 2"}},
        {[](M m) { m.HaengeAn(Zeilen("E")[0]); }, Zeilen("ABCDE"), {"eingefügt 4 4"}},
        {[](M m) { m.Loesche(0); }, Zeilen("BCD"), {"entfernt 0 0"}},
        {[](M m) { m.Verschiebe(0, 2); }, Zeilen("BCAD"), {"verschoben 0 vor 3"}},
        {[](M m) { m.Verschiebe(3, 1); }, Zeilen("ADBC"), {"verschoben 3 vor 1"}},
        {[](M m) { m.Verschiebe(1, 1); }, Zeilen("ABCD"), {}},
        {[](M m) { m.SetzeAlle({}); }, {}, {"neu"}},
        // B C became X: one row changed, one removed; then two rows after D.
        {[](M m) { m.Aendere([](SenderListe& l) { l.SetzeZeilen(Zeilen("AXD")); }); },
         Zeilen("AXD"),
         {"entfernt 2 2", "geändert 1 1"}},
        {[](M m) { m.Aendere([](SenderListe& l) { l.SetzeZeilen(Zeilen("ABCDEF")); }); },
         Zeilen("ABCDEF"),
         {"eingefügt 4 5"}},
        {[](M m) { m.Aendere([](SenderListe&) {}); }, Zeilen("ABCD"), {}},
        // Renumbering touches only C and D.
        {[](M m) {
             m.Loesche(1);
             m.NummeriereNeu();
         },
         {Zeilen("A")[0], Praefix(2) + u"C"_s, Praefix(3) + u"D"_s},
         {"entfernt 1 1", "geändert 1 2"}},
        {[](M m) { m.Leere(); }, {}, {"neu"}},
    };
    for (const auto& [aenderung, danach, gemeldet] : faelle) {
        SenderListe liste;
        liste.SetzeZeilen(Zeilen("ABCD"));
        ListenModell modell(liste);
        QStringList signale;
        const auto melde = [&](const char* was) {
            return [&signale, was](const QModelIndex&, int von, int bis) {
                signale << QStringLiteral("%1 %2 %3").arg(QString::fromUtf8(was)).arg(von).arg(bis);
            };
        };
        QObject::connect(&modell, &QAbstractItemModel::dataChanged,
                         [&](const QModelIndex& a, const QModelIndex& b) { melde("geändert")({}, a.row(), b.row()); });
        QObject::connect(&modell, &QAbstractItemModel::rowsInserted, melde("eingefügt"));
        QObject::connect(&modell, &QAbstractItemModel::rowsRemoved, melde("entfernt"));
        QObject::connect(&modell, &QAbstractItemModel::rowsMoved, [&](auto, int von, int, auto, int vor) {
            signale << QStringLiteral("verschoben %1 vor %2").arg(von).arg(vor);
        });
        QObject::connect(&modell, &QAbstractItemModel::modelReset, [&] { signale << u"neu"_s; });
        aenderung(modell);
        EXPECT_EQ(modell.Liste().Zeilen(), danach) << danach.join(u'|').toStdString();
        EXPECT_EQ(modell.rowCount(), danach.size());
        EXPECT_EQ(signale, gemeldet) << danach.join(u'|').toStdString();
    }
}

} // namespace
} // namespace senvio
