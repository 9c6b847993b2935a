// The dialogs seam: file filters as Qt takes them, the font dialog, Qt's own texts in German.
#include "platform/Dialoge.h"
#include "TestDateien.h"
#include "platform/Oeffner.h"
#include "platform/QtTexte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPointer>
#include <QProcess>
#include <QSpinBox>

namespace senvio {
namespace {

TEST(Dialoge, FilterPaareWerdenZuQtFilternUndSternPunktSternZuAllenDateien) {
    EXPECT_EQ(QtFilter(QStringLiteral("Listendateien (*.lis)|*.lis|Alle Dateien (*.*)|*.*")),
              (QStringList{QStringLiteral("Listendateien (*.lis)"), QStringLiteral("Alle Dateien (*)")}));
    EXPECT_EQ(QtFilter(QStringLiteral("ohne Muster")), QStringList());
}

// The opener's exit code decides: 0 has shown the file, any other code or no program at all
// is reported once, from the event loop. "false" stands for xdg-open without a viewer.
TEST(Oeffner, MeldetEinScheiternEinmal) {
    for (const auto& [programm, erwartet] : {std::pair("false", 1), std::pair("true", 0), std::pair("/nicht/da", 1)}) {
        int gemeldet = 0;
        const QPointer<QProcess> oeffner(
            StarteOeffner(QString::fromLatin1(programm), QStringLiteral("Meine Astra Liste.pdf"), [&] { ++gemeldet; }));
        while (oeffner && oeffner->state() != QProcess::NotRunning)
            oeffner->waitForFinished(-1);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(gemeldet, erwartet) << programm;
    }
}

auto Merkmale(const Schriftwahl& w) {
    const QFont& s = w.schrift;
    return std::tuple(s.family(), s.pointSize(), s.bold(), s.italic(), s.underline(), s.strikeOut(), w.farbe);
}

TEST(SchriftDialog, GibtDieEinstellungenZurueckUndOeffnetAnDerGegebenenSchrift) {
    Dialoge::SetzeSkriptbetrieb(true);
    QFont liste(QStringLiteral("DejaVu Sans Condensed"), 18, QFont::Bold);
    liste.setUnderline(true);
    const Schriftwahl start{liste, QColor(Qt::red)};
    SchriftDialog dialog(start);
    EXPECT_EQ(Merkmale(dialog.Auswahl()), Merkmale(start));
    dialog.Schriftart->setEditText(QStringLiteral("Gibt Es Nicht"));
    dialog.Groesse->setValue(40);
    dialog.Fett->setChecked(false);
    dialog.Durchgestrichen->setChecked(true);
    dialog.SetzeFarbe(Qt::blue);
    const Schriftwahl wahl = dialog.Auswahl();
    EXPECT_EQ(Merkmale(wahl),
              std::tuple(QStringLiteral("Gibt Es Nicht"), 40, false, false, true, true, QColor(Qt::blue)));

    // A queued font is the answer; without one the dialog opens at the start font, and
    // "OK" without a change hands that back; with no handler either it is cancelled.
    Dialoge::SetzeNaechsteSchrift(wahl);
    EXPECT_EQ(Merkmale(*Dialoge::Schrift(nullptr, start)), Merkmale(wahl));
    Dialoge::SetzeNaechstenDialog([](QDialog&) { return int(QDialog::Accepted); });
    EXPECT_EQ(Merkmale(*Dialoge::Schrift(nullptr, start)), Merkmale(start));
    EXPECT_FALSE(Dialoge::Schrift(nullptr, start));
    Dialoge::SetzeSkriptbetrieb(false);
}

TEST(QtTexte, DateidialogSprichtDeutsch) {
    ASSERT_TRUE(LadeQtTexteAufDeutsch(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
}

} // namespace
} // namespace senvio
