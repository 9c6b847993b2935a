#pragma once

// A temporary program folder with lists folder and two logo groups, the dialogs in
// script mode, helpers to start and end the real program in it, and to find its controls
// by their names.
#include "TestDateien.h"
#include "app/Programm.h"
#include "logos/Logowahl.h"
#include "platform/Dialoge.h"
#include "view/Listenansicht.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace senvio::test {

using namespace Qt::StringLiterals;

class ProgrammOrdnerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        m_pfad = m_tmp.path() + u"/"_s;
        Dialoge::SetzeSkriptbetrieb(true);
    }
    void TearDown() override {
        m_programm.reset();
        Dialoge::SetzeSkriptbetrieb(false);
    }

    QString Pfad(const QString& relativ) const { return m_pfad + relativ; }
    QString Liste(const QString& name) const { return m_pfad + u"Senvio-Listen/"_s + name; }
    void LegeAn(const QString& relativ) { ASSERT_TRUE(QDir().mkpath(Pfad(relativ))); }
    void LegeStandardOrdnerAn() {
        LegeAn(u"Senvio-Listen"_s);
        LegeAn(u"TV und Radio Sender Logos/ARD"_s);
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
    // The list of this name and these bytes is the last list; the standard folders exist.
    TMainForm& StarteMit(const QByteArray& liste, const QString& name = u"Astra"_s) {
        LegeStandardOrdnerAn();
        Schreib(Pfad(u"senvio.ini"_s), "[Einstellung]\nListenName=" + name.toUtf8() + "\n");
        Schreib(Liste(name + u".lis"_s), liste);
        return Starte();
    }
    TMainForm& StarteMitAstra() { return StarteMit(astra); }
    // n numbered entries named A, B, C ... with placeholder 1.
    static QByteArray ListeMit(int n) {
        QByteArray zeilen;
        for (int i = 0; i < n; ++i)
            zeilen += "    " + QByteArray::number(i + 1) + "   = " + char('A' + i % 26) + " #png#Ohne Logo1.png\r\n";
        return zeilen;
    }
    void Beende() {
        m_programm->Haupt().close();
        m_programm->Beende();
        m_programm.reset();
    }
    TMainForm& Haupt() { return m_programm->Haupt(); }
    // The placeholder counter, set as a command sets it: in a change of the document.
    void SetzeZaehler(int zaehler) {
        Haupt().Dokument().Aendere({{}, Speichern::Spaeter, false},
                                   [=](Listenaenderung& a) { a.Platzhalterzaehler() = zaehler; });
    }

    // A control of the main window, or of another window, by its name.
    template <typename T = QWidget> T* Teil(const char* name) { return Teil<T>(Haupt(), name); }
    template <typename T = QWidget> static T* Teil(const QObject& fenster, const char* name) {
        T* teil = fenster.findChild<T*>(QLatin1String(name));
        EXPECT_NE(teil, nullptr) << name;
        return teil;
    }
    // Runs the menu command of the item with this name.
    void Befehl(const char* name) { Teil<QAction>(name)->trigger(); }
    Listenansicht& Ansicht() { return *Teil<Listenansicht>("Listbox1"); }
    // The logo command: the grid from the list, the list from the grid.
    void Logomodus() { Befehl("SenderlogoanaktuellenEintrageinfuegen1"); }
    QScrollArea* Raster() { return Teil<QScrollArea>("ScrollBox1"); }

    // A wheel event at (20, 20) of the widget with these angle distances (120 a notch).
    static void Rad(QWidget* ziel, int vertikal, Qt::KeyboardModifiers tasten = {}, int waagerecht = 0) {
        const QPointF punkt(20, 20);
        QWheelEvent rad(punkt, ziel->mapToGlobal(punkt), QPoint(), QPoint(waagerecht, vertikal), Qt::NoButton, tasten,
                        Qt::NoScrollPhase, false);
        QApplication::sendEvent(ziel, &rad);
    }
    // The list in memory and what the window shows of it: name, caption, rows, status line.
    void ErwarteListe(const QString& name, qsizetype anzahl) {
        EXPECT_EQ(Haupt().ListenName(), name);
        EXPECT_EQ(Haupt().windowTitle(), name.isEmpty() ? u"Senvio-Liste 2.0"_s : u"Senvio-Liste 2.0:   "_s + name);
        EXPECT_EQ(Haupt().Liste().Anzahl(), anzahl);
        EXPECT_EQ(Ansicht().model()->rowCount(), anzahl);
        EXPECT_EQ(Haupt().Statuszeile(), Status(anzahl, name));
    }
    static QString Status(qsizetype anzahl, const QString& name) {
        if (anzahl == 0 && !name.isEmpty())
            return u"Liste: „%1“"_s.arg(name);
        return u"      %1  Eintragung(en) in der Liste: „%2“"_s.arg(anzahl).arg(name);
    }
    // The message boxes shown so far, as "title: text".
    static QStringList Meldungen() {
        QStringList meldungen;
        for (const Dialoge::Meldung& meldung : Dialoge::Meldungen())
            meldungen << meldung.titel + u": "_s + meldung.text;
        return meldungen;
    }
    // The name dialog, titled and centred over the main window, answers with this name and
    // presses "OK"; notes how it closed.
    void NameDialogMitOk(const QString& name, int* ergebnis = nullptr) {
        Dialoge::SetzeNaechstenDialog([=, this](QDialog& d) {
            auto& dialog = static_cast<TNameEingabeForm&>(d);
            EXPECT_EQ(dialog.windowTitle(), u"Neue Liste"_s);
            EXPECT_LE((dialog.frameGeometry().center() - Haupt().frameGeometry().center()).manhattanLength(), 8);
            dialog.setResult(-1);
            dialog.SetzeName(name);
            dialog.BitBtn1Click();
            if (ergebnis)
                *ergebnis = dialog.result();
            return dialog.result() == -1 ? int(QDialog::Rejected) : dialog.result();
        });
    }

    const QByteArray astra = "    1   = ARD #png#Ohne Logo1.png\r\n    2   = ZDF #png#Ohne Logo2.png\r\n";
    QTemporaryDir m_tmp;
    QString m_pfad;
    std::unique_ptr<Programm> m_programm;
};

} // namespace senvio::test
