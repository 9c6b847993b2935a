// The font dialog: what it hands back, and what it opens with during a run.
#include "TestDateien.h"
#include "platform/Dialoge.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

namespace senvio {
namespace {

auto Merkmale(const Schriftwahl& w) {
    const QFont& s = w.schrift;
    return std::tuple(s.family(), s.pointSize(), s.bold(), s.italic(), s.underline(), s.strikeOut(), w.farbe);
}

TEST(SchriftDialog, GibtDieEinstellungenZurueckUndBehaeltDieLetzteWahl) {
    Dialoge::SetzeSkriptbetrieb(true);
    const QColor fensterText = qApp->palette().color(QPalette::WindowText);
    EXPECT_EQ(Merkmale(Dialoge::LetzteSchriftwahl()),
              std::tuple(QStringLiteral("MS Sans Serif"), 8, false, false, false, false, fensterText));
    SchriftDialog dialog(Dialoge::LetzteSchriftwahl());
    dialog.Schriftart->setEditText(QStringLiteral("Gibt Es Nicht"));
    dialog.Groesse->setValue(40);
    dialog.Fett->setChecked(true);
    dialog.Durchgestrichen->setChecked(true);
    dialog.SetzeFarbe(Qt::blue);
    const Schriftwahl wahl = dialog.Auswahl();
    EXPECT_EQ(Merkmale(wahl),
              std::tuple(QStringLiteral("Gibt Es Nicht"), 40, true, false, false, true, QColor(Qt::blue)));

    Dialoge::SetzeNaechsteSchrift(wahl);
    Dialoge::SetzeNaechsteSchrift(std::nullopt);
    EXPECT_TRUE(Dialoge::Schrift(nullptr));
    EXPECT_FALSE(Dialoge::Schrift(nullptr)); // a cancel keeps the last choice
    EXPECT_EQ(Merkmale(Dialoge::LetzteSchriftwahl()), Merkmale(wahl));
    EXPECT_EQ(Merkmale(SchriftDialog(Dialoge::LetzteSchriftwahl()).Auswahl()), Merkmale(wahl));
    Dialoge::SetzeSkriptbetrieb(false);
}

} // namespace
} // namespace senvio
