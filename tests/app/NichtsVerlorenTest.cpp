// The everyday faults a new user meets: work lost at the end, commands that fail without
// a word, a window that does not help. On the real main window.
#include "ProgrammOrdnerFixture.h"

#include "dokument/Quellendatei.h"
#include "list/DoppelteForm.h"

namespace senvio::test {
namespace {

using NichtsVerloren = ProgrammOrdnerTest;

QString KeinProgramm(const QString& pfad, const char* was) {
    return u"„"_s + pfad + u"“\n\nEs wurde kein Programm gefunden, das "_s + QLatin1String(was) + u" anzeigen kann."_s;
}

// The list's file turns into a folder: every save fails, as in a read-only folder (not for root).
TEST_F(NichtsVerloren, BeendenFragtWennDieListeNichtGespeichertWerdenKann) {
    const auto verbaue = [this] {
        ASSERT_TRUE(QFile::remove(Liste(u"Astra.lis"_s)));
        LegeAn(u"Senvio-Listen/Astra.lis"_s);
    };
    TMainForm& haupt = StarteMitAstra();
    verbaue();
    Dialoge::SetzeNaechsteWahl(2);
    EXPECT_FALSE(haupt.close());
    EXPECT_EQ(Meldungen(), QStringList{u"Warnung: Die Liste „Astra“ konnte nicht gespeichert werden. Möchten Sie "
                                       "sie an einem anderen Ort speichern?"_s});
    EXPECT_EQ(Dialoge::Meldungen()[0].knoepfe,
              (QStringList{u"Speichern unter..."_s, u"Ohne Speichern beenden"_s, u"Abbrechen"_s}));
    // "Speichern unter..." cancelled asks again; the second writes elsewhere, no second failing save.
    for (const QString& name : {QString(), Pfad(u"Kopie"_s)}) {
        Dialoge::SetzeNaechsteWahl(0);
        Dialoge::SetzeNaechstenDateinamen(name);
    }
    Beende();
    EXPECT_EQ(Lies(Pfad(u"Kopie.lis"_s)), astra);
    EXPECT_EQ(Dialoge::Meldungen().size(), 3);

    // "Ohne Speichern beenden" ends at once.
    ASSERT_TRUE(QDir(Liste(u"Astra.lis"_s)).removeRecursively());
    StarteMitAstra();
    verbaue();
    Dialoge::LeereProtokoll();
    Dialoge::SetzeNaechsteWahl(1);
    Beende();
    EXPECT_EQ(Dialoge::Meldungen().size(), 1);
}

// The status line names what was written; when the desktop cannot show it, a box names it
// and offers its folder, unless nothing on the desktop opens anything. xdg-open that starts
// and then fails (no viewer behind it) is as good as none, once it has failed.
TEST_F(NichtsVerloren, OhneAnzeigeprogrammNenntEineBoxDieDatei) {
    StarteMit(ListeMit(2), u"Liste"_s);
    Schreib(Pfad(u"Senvio-Hilfe.pdf"_s), "%PDF");
    Dialoge::SetzeOeffnenGelingt(false);
    const QString listen = Pfad(u"Senvio-Listen"_s);
    const std::tuple<const char*, QString, bool> faelle[] = {
        {"DruckenOben1", listen + u"/Liste.pdf"_s, true},
        {"JPEGDatei1", listen + u"/Liste.jpg"_s, true},
        {"Hilfe1", Pfad(u"Senvio-Hilfe.pdf"_s), true},
        {"ListenOrdneroeffnen1", listen, false},
        {"LogoOrdneroeffnen1", Pfad(u"TV und Radio Sender Logos"_s), false},
    };
    for (const auto& [befehl, ziel, datei] : faelle) {
        Dialoge::LeereProtokoll();
        Befehl(befehl);
        ASSERT_EQ(Dialoge::Meldungen().size(), 1) << befehl;
        EXPECT_EQ(Meldungen()[0], u"Information: "_s + KeinProgramm(ziel, datei ? "diese Datei" : "diesen Ordner"));
        EXPECT_EQ(Dialoge::Meldungen()[0].knoepfe, datei ? QStringList({u"Ordner öffnen"_s, u"OK"_s}) : QStringList());
    }
    // "Ordner öffnen" asks for the folder, which fails as well; without xdg-open no folder is offered.
    Dialoge::LeereProtokoll();
    Dialoge::SetzeNaechsteWahl(0);
    Befehl("PNGDatei1");
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), QStringList({listen + u"/Liste.png"_s, listen}));
    EXPECT_EQ(Haupt().Statuszeile(), u"Gespeichert: "_s + listen + u"/Liste.png"_s);
    EXPECT_EQ(Meldungen().last(), u"Information: "_s + KeinProgramm(listen, "diesen Ordner"));
    Dialoge::SetzeOeffnenGelingt(false, false);
    Befehl("Hilfe1");
    EXPECT_TRUE(Dialoge::Meldungen().last().knoepfe.isEmpty());
    Dialoge::SetzeOeffnenGelingt(true);
    Dialoge::SetzeOeffnerScheitert(true);
    for (const auto& [befehl, ziel, datei] : faelle) {
        Dialoge::LeereProtokoll();
        Befehl(befehl);
        QCoreApplication::processEvents();
        EXPECT_EQ(Meldungen(),
                  QStringList{u"Information: "_s + KeinProgramm(ziel, datei ? "diese Datei" : "diesen Ordner")})
            << befehl;
        EXPECT_TRUE(Dialoge::Meldungen().value(0).knoepfe.isEmpty()) << befehl;
    }
}

// Enlarged, the list and the grid take the room; the cards stay as at the standard size,
// where the list of 14 rows shows its scroll bar and the larger one does not.
TEST_F(NichtsVerloren, GroesseresFensterGibtListeUndRasterDenPlatz) {
    TMainForm& haupt = StarteMit(ListeMit(14), u"Liste"_s);
    EXPECT_EQ(Ansicht().geometry(), QRect(14, 47, 478, 12 * 41 + 2));
    Befehl("PNGDatei1");
    const QByteArray standard = Lies(Liste(u"Liste.png"_s));
    haupt.resize(haupt.size() + QSize(200, 123));
    QCoreApplication::processEvents();
    EXPECT_EQ(Ansicht().geometry(), QRect(14, 47, 678, 15 * 41 + 2));
    EXPECT_FALSE(Ansicht().verticalScrollBar()->isVisible());
    EXPECT_EQ(Teil("StatusBar1")->geometry(), QRect(0, 613 + 123 - 24, 730, 24));
    Befehl("PNGDatei1");
    EXPECT_EQ(Lies(Liste(u"Liste.png"_s)), standard);
    Logomodus();
    EXPECT_EQ(Raster()->size(), QSize(666, 675));
}

// Delete and Backspace on the list run "Eintrag löschen" with its question; an empty list
// says how entries get into it, in grey, only on the screen.
TEST_F(NichtsVerloren, EntfUndRuecktasteLoeschenLeereListeErklaertSich) {
    TMainForm& haupt = StarteMit("    1   = ARD #png#\r\n");
    haupt.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&haupt));
    Ansicht().setFocus();
    const auto grau = [this] {
        const QImage bild = Ansicht().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* p = reinterpret_cast<const QRgb*>(bild.constBits());
        return std::count_if(p, p + bild.width() * bild.height(),
                             [](QRgb f) { return qRed(f) == qBlue(f) && qGray(f) < 200; });
    };
    Dialoge::SetzeNaechsteAntwort(false);
    QTest::keyClick(&Ansicht(), Qt::Key_Backspace);
    EXPECT_EQ(haupt.Liste().Anzahl(), 1);
    const int mitEintrag = grau();
    Dialoge::SetzeNaechsteAntwort(true);
    QTest::keyClick(&Ansicht(), Qt::Key_Delete);
    EXPECT_EQ(haupt.Liste().Anzahl(), 0);
    EXPECT_EQ(Meldungen(), QStringList(2, u"Bestätigung: Möchten Sie den Eintrag „1 = ARD“ wirklich löschen?"_s));
    EXPECT_GT(grau(), mitEintrag + 500);
    EXPECT_EQ(haupt.Statuszeile(), u"Liste: „Astra“"_s);
}

// The same service (from the list's sources) or the same name is ticked, a name only alike is
// offered unticked under "Vielleicht gleich"; the ticked ones go as one step of the history,
// saved with the next save as a deletion is.
TEST_F(NichtsVerloren, DoppelteEintraegeEntfernen) {
    const QByteArray liste = "    1   = ARD #png#\r\n    2   = ZDF #png#\r\n    3   = ARD HD #png#\r\n"
                             "    4   = zdf #png#\r\n    5   = Das Erste #png#\r\n    6   = a rd #png#\r\n";
    LegeStandardOrdnerAn();
    const QString ard = u"1:0:19:283D:3FB:1:C00000:0:0:0:"_s;
    SchreibeQuellen(QuellendateiZu(Liste(u"Astra.lis"_s)),
                    QString::fromLatin1(liste).split(u"\r\n"_s, Qt::SkipEmptyParts),
                    {{ard, {}, u"Das Erste"_s}, {}, {u"1:0:19:2B66:3F3:1:C00000:0:0:0:"_s, {}, {}}, {}, {ard, {}, {}}});
    TMainForm& haupt = StarteMit(liste);
    QStringList tabelle;
    Dialoge::SetzeNaechstenDialog([&](QDialog& dialog) {
        const auto* kopien = dialog.findChild<QTableWidget*>(u"Kopien"_s);
        for (int i = 0; i < kopien->rowCount(); ++i)
            for (int spalte : {0, 1, 3, 4})
                tabelle << (spalte < 4 && kopien->item(i, spalte) ? kopien->item(i, spalte)->text()
                                                                  : QString::number(kopien->item(i, 0)->checkState()));
        static_cast<TDoppelteForm&>(dialog).SetzeKreuz(1, false);
        return int(QDialog::Accepted);
    });
    Befehl("DoppelteEintraegeentfernen1");
    EXPECT_EQ(tabelle.join(u' '), u"4 zdf gleich wie Nr. 2 2 5 Das Erste gleich wie Nr. 1 2 6 a rd gleich wie Nr. 1 2 "
                                  "Vielleicht gleich 0 0 0 3 ARD HD ähnlich wie Nr. 1 0"_s);
    EXPECT_EQ(haupt.Liste().Zeilen(), (QStringList{u"    1   = ARD #png#"_s, u"    2   = ZDF #png#"_s,
                                                   u"    3   = ARD HD #png#"_s, u"    4   = zdf #png#"_s}));
    EXPECT_EQ(Lies(Liste(u"Astra.lis"_s)), liste);
    Befehl("Rueckgaengig1");
    EXPECT_EQ(haupt.Liste().Anzahl(), 6);
}

} // namespace
} // namespace senvio::test
