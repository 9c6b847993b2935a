#pragma once

// A temporary program folder with lists folder and two logo groups, the dialogs in
// script mode, and helpers to start and end the real program in it.
#include "TestDateien.h"
#include "app/Programm.h"
#include "list/NameEingabe.h"
#include "platform/Dialoge.h"
#include "view/ListenAnsicht.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace senvio::test {

class ProgrammOrdnerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        m_pfad = m_tmp.path() + QStringLiteral("/");
        Dialoge::SetzeSkriptbetrieb(true);
    }
    void TearDown() override {
        m_programm.reset();
        Dialoge::SetzeSkriptbetrieb(false);
    }

    QString Pfad(const QString& relativ) const { return m_pfad + relativ; }
    void LegeAn(const QString& relativ) { ASSERT_TRUE(QDir().mkpath(Pfad(relativ))); }
    void LegeStandardOrdnerAn() {
        LegeAn(QStringLiteral("Senvio-Listen"));
        LegeAn(QStringLiteral("TV und Radio Sender Logos/ARD"));
    }

    // Creates the six windows and shows the main window until its first paint ran.
    TMainForm& Starte() { return Starte(ProgrammOrdner(m_pfad)); }
    TMainForm& Starte(const ProgrammOrdner& ordner) {
        m_programm = std::make_unique<Programm>(ordner);
        if (m_programm->Endet())
            return m_programm->Haupt();
        TMainForm& haupt = m_programm->Haupt();
        haupt.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&haupt));
        for (int i = 0; i < 20 && haupt.ErsteAnzeige(); ++i)
            QCoreApplication::processEvents();
        EXPECT_FALSE(haupt.ErsteAnzeige());
        return haupt;
    }
    void Beende() {
        m_programm->Haupt().close();
        m_programm->Beende();
        m_programm.reset();
    }
    TMainForm& Haupt() { return m_programm->Haupt(); }

    // A wheel event at (20, 20) of the widget with these angle distances (120 a notch).
    static void Rad(QWidget* ziel, int vertikal, Qt::KeyboardModifiers tasten = {}, int waagerecht = 0) {
        const QPointF punkt(20, 20);
        QWheelEvent rad(punkt, ziel->mapToGlobal(punkt), QPoint(), QPoint(waagerecht, vertikal), Qt::NoButton, tasten,
                        Qt::NoScrollPhase, false);
        QApplication::sendEvent(ziel, &rad);
    }
    static QString Status(qsizetype anzahl, const QString& name) {
        return QStringLiteral("      %1  Eintragung(en) in der Liste: \"%2\"").arg(anzahl).arg(name);
    }

    QTemporaryDir m_tmp;
    QString m_pfad;
    std::unique_ptr<Programm> m_programm;
};

// The list Astra of two entries is the last list; the name dialog is scripted.
class MitAstraTest : public ProgrammOrdnerTest {
protected:
    const QByteArray astra = "    1   = ARD #png#Ohne Logo1.png\r\n    2   = ZDF #png#Ohne Logo2.png\r\n";

    TMainForm& StarteMitAstra() {
        LegeStandardOrdnerAn();
        Schreib(Pfad(QStringLiteral("senvio.ini")), "[Einstellung]\nListenName=Astra\n");
        Schreib(Pfad(QStringLiteral("Senvio-Listen/Astra.lis")), astra);
        return Starte();
    }
    // The name dialog answers with this name and presses "OK"; returns how it closed.
    static void NameDialogMitOk(const QString& name, int* ergebnis = nullptr, bool* geschlossen = nullptr) {
        Dialoge::SetzeNaechstenDialog([=](QDialog& d) {
            auto& dialog = static_cast<TNameEingabeForm&>(d);
            dialog.setResult(-1);
            dialog.SetzeName(name);
            dialog.BitBtn1Click();
            if (ergebnis)
                *ergebnis = dialog.result();
            if (geschlossen)
                *geschlossen = dialog.result() != -1;
            return dialog.result() == -1 ? int(QDialog::Rejected) : dialog.result();
        });
    }
    QString Liste(const QString& name) const { return m_pfad + QStringLiteral("Senvio-Listen/") + name; }
};

} // namespace senvio::test
