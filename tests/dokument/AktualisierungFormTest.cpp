// The review of an update, "einzeln wählen": each new channel gets its own tick, and what the
// user leaves out moves the numbers of the channels after it.
#include "dokument/AktualisierungForm.h"

#include <QRadioButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace senvio;
using namespace Qt::StringLiterals;

namespace {

// The list A, B; the new scan A, N1, B, N2, each known by its service.
Abgleich ListeUndSuchlauf() {
    const QStringList zeilen{u"    1   = A #png#"_s, u"    2   = B #png#"_s};
    const QList<Eintragsherkunft> herkunft{{u"a"_s, {}, u"A"_s, false, {}}, {u"b"_s, {}, u"B"_s, false, {}}};
    const QList<ImportEintrag> kanaele{{u"A"_s, {}, u"a"_s, false},
                                       {u"N1"_s, {}, u"n1"_s, false},
                                       {u"B"_s, {}, u"b"_s, false},
                                       {u"N2"_s, {}, u"n2"_s, false}};
    return GleicheAb(zeilen, herkunft, kanaele);
}

class AktualisierungForm : public testing::Test {
protected:
    AktualisierungForm() : m_dialog(ListeUndSuchlauf(), Eintragsumgebung(), QString()) {}

    QTreeWidgetItem* Zeile(const QString& name) {
        const auto* baum = m_dialog.findChild<QTreeWidget*>(u"Abgleichbaum"_s);
        for (int a = 0; a < baum->topLevelItemCount(); ++a)
            for (int z = 0; z < baum->topLevelItem(a)->childCount(); ++z)
                if (QTreeWidgetItem* zeile = baum->topLevelItem(a)->child(z); zeile->text(1) == name)
                    return zeile;
        ADD_FAILURE() << name.toStdString();
        return nullptr;
    }
    // The row's numbers and its tick: "" when it has none, else "an" or "aus".
    std::pair<QString, QString> Stand(const QString& name) {
        QTreeWidgetItem* zeile = Zeile(name);
        const QVariant haken = zeile->data(2, Qt::CheckStateRole);
        return {zeile->text(0), !haken.isValid() ? QString() : haken.toInt() == Qt::Checked ? u"an"_s : u"aus"_s};
    }
    void Waehle(const char* knopf) { m_dialog.findChild<QRadioButton*>(QLatin1String(knopf))->click(); }

    TAktualisierungForm m_dialog;
};

TEST_F(AktualisierungForm, EinzelnWaehlenGibtJedemNeuenSenderEinenHaken) {
    using Soll = std::pair<QString, QString>;
    // In the receiver's order all new channels are taken, without ticks.
    EXPECT_EQ(Stand(u"N1"_s), Soll(u"– → 2"_s, QString()));
    EXPECT_EQ(Stand(u"N2"_s), Soll(u"– → 4"_s, QString()));

    Waehle("NeueEinzeln");
    EXPECT_EQ(Stand(u"N1"_s), Soll(u"– → 2"_s, u"an"_s));
    EXPECT_EQ(Stand(u"A"_s), Soll(u"1 → 1"_s, QString())); // entries of the list have none
    EXPECT_EQ(Zeile(u"N1"_s)->text(2), u"Aufnehmen"_s);

    // Left out in the receiver's order, its number stays free: B keeps 3.
    Zeile(u"N1"_s)->setCheckState(2, Qt::Unchecked);
    EXPECT_EQ(Stand(u"N1"_s), Soll(u"– → –"_s, u"aus"_s));
    EXPECT_EQ(Stand(u"B"_s), Soll(u"2 → 3"_s, QString()));
    EXPECT_EQ(Stand(u"N2"_s), Soll(u"– → 4"_s, u"an"_s));

    // In the user's order the new ones follow the list: N2 moves up into N1's place.
    Waehle("Meine");
    EXPECT_EQ(Stand(u"B"_s), Soll(u"2 → 2"_s, QString()));
    EXPECT_EQ(Stand(u"N2"_s), Soll(u"– → 3"_s, u"an"_s));
    Zeile(u"N1"_s)->setCheckState(2, Qt::Checked);
    EXPECT_EQ(Stand(u"N1"_s), Soll(u"– → 3"_s, u"an"_s));
    EXPECT_EQ(Stand(u"N2"_s), Soll(u"– → 4"_s, u"an"_s));
    Zeile(u"N2"_s)->setCheckState(2, Qt::Unchecked);

    const Aktualisierungswahl wahl = m_dialog.Wahl();
    EXPECT_EQ(wahl.neue, NeueSender::Einzeln);
    EXPECT_EQ(wahl.reihenfolge, Reihenfolge::Meine);
    const QList<Abgleichzeile>& sender = m_dialog.Ergebnis().sender; // A, B, then N1, N2
    ASSERT_EQ(sender.size(), 4);
    EXPECT_TRUE(sender[2].aufnehmen);
    EXPECT_FALSE(sender[3].aufnehmen);

    // "ans Ende" takes every new channel again, and the ticks go.
    Waehle("NeueAnsEnde");
    EXPECT_EQ(Stand(u"N2"_s), Soll(u"– → 4"_s, QString()));
}

} // namespace
