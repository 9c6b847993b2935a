// "Senderliste importieren..." on the real main window: appended, as a new list, and failing.
#include "ProgrammOrdnerFixture.h"
#include "import/ImportForm.h"

#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

namespace senvio::test {
namespace {

class Importbefehl : public ProgrammOrdnerTest {
protected:
    const QByteArray astra = "    1   = ARD #png#Ohne Logo1.png\r\n    2   = ZDF #png#Ohne Logo2.png\r\n";

    TMainForm& StarteMitAstra() {
        LegeStandardOrdnerAn();
        Schreib(Pfad(QStringLiteral("senvio.ini")), "[Einstellung]\nListenName=Astra\n");
        Schreib(Pfad(QStringLiteral("Senvio-Listen/Astra.lis")), astra);
        TMainForm& haupt = Starte();
        Schreib(Pfad(QStringLiteral("a.m3u")), "#EXTM3U\n#EXTINF:-1 tvg-chno=\"3\",Eins\nhttp://a\n"
                                               "#EXTINF:-1 tvg-chno=\"5\",Zwei\nhttp://b\n");
        Schreib(Pfad(QStringLiteral("radio.m3u")), "#EXTINF:0,Welle \xD0\x96\nhttp://c\n");
        return haupt;
    }
    QString Liste(const QString& name) const { return m_pfad + QStringLiteral("Senvio-Listen/") + name; }
    // The import dialog: the groups unticked, new list or append, then "OK"; it records
    // the sections and the total it showed.
    void ImportDialog(bool anhaengen, QList<int> abwaehlen = {}) {
        Dialoge::SetzeNaechstenDialog([=, this](QDialog& d) {
            auto& dialog = dynamic_cast<ImportForm&>(d);
            for (int i = 0; i < dialog.Gruppen->topLevelItemCount(); ++i)
                m_abschnitte << dialog.Gruppen->topLevelItem(i)->text(0);
            for (int gruppe : abwaehlen)
                dialog.WaehleGruppe(gruppe, false);
            m_summe = dialog.Summe->text();
            dialog.SetzeAnhaengen(anhaengen);
            dialog.OkKnopf->click();
            return dialog.result();
        });
    }
    QStringList m_abschnitte;
    QString m_summe;
};

TEST_F(Importbefehl, AnDieListeAngehaengtMitDenNummernDesEmpfaengers) {
    TMainForm& haupt = StarteMitAstra();
    const QList<QAction*> datei = qobject_cast<QMenu*>(haupt.Neu1->parent())->actions();
    EXPECT_EQ(datei.indexOf(haupt.Senderlisteimportieren1), datei.indexOf(haupt.ffnen1) + 1);
    haupt.SetzePlatzhalterzaehler(2);
    Dialoge::SetzeNaechstenDateinamen(Pfad(QStringLiteral("a.m3u")));
    ImportDialog(true);
    haupt.Senderlisteimportieren1->trigger();
    EXPECT_EQ(m_abschnitte, QStringList{QStringLiteral("Fernsehen")});
    EXPECT_EQ(m_summe, QStringLiteral("Gewählt: 2 von 2 Sendern"));
    // Number 4 is free at the receiver; the placeholders go on from 2.
    EXPECT_EQ(Lies(Liste(QStringLiteral("Astra.lis"))),
              astra + "    3   = Eins #png#Ohne Logo3.png\r\n    4   = (frei) #png#Ohne Logo4.png\r\n"
                      "    5   = Zwei #png#Ohne Logo1.png\r\n");
    EXPECT_EQ(haupt.Listbox1->AktuelleZeile(), 2);
    EXPECT_EQ(haupt.Statuszeile(), Status(5, QStringLiteral("Astra")));
    EXPECT_FALSE(haupt.ProgressBar1->isVisible());
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
}

TEST_F(Importbefehl, NeueListeAusDerGewaehltenGruppeMehrererDateien) {
    TMainForm& haupt = StarteMitAstra();
    haupt.Listbox1->WaehleZeile(0);
    Dialoge::SetzeNaechsteAntwort(true);
    haupt.Eintraglschen1->trigger(); // reaches Astra's file when "Neu" saves it
    QApplication::processEvents();   // drawn now: drawing sets the placeholder counter
    haupt.SetzePlatzhalterzaehler(0);
    Dialoge::SetzeNaechsteDateien({Pfad(QStringLiteral("a.m3u")), Pfad(QStringLiteral("radio.m3u"))});
    ImportDialog(false, {0});
    Dialoge::SetzeNaechstenDialog([](QDialog& d) {
        auto& name = dynamic_cast<TNameEingabeForm&>(d);
        name.SetzeName(QStringLiteral("Kabel"));
        name.BitBtn1Click();
        return name.result();
    });
    haupt.Senderlisteimportieren1->trigger();
    EXPECT_EQ(m_abschnitte, (QStringList{QStringLiteral("Fernsehen"), QStringLiteral("Radio")}));
    EXPECT_EQ(m_summe, QStringLiteral("Gewählt: 1 von 3 Sendern"));
    EXPECT_EQ(Lies(Liste(QStringLiteral("Astra.lis"))), QByteArray("    1   = ZDF #png#Ohne Logo2.png\r\n"));
    // A name outside Windows-1252 makes the list a UTF-16 file.
    const QString zeile = QStringLiteral("    1   = Welle Ж #png#Ohne Logo1.png\r\n");
    EXPECT_EQ(Lies(Liste(QStringLiteral("Kabel.lis"))),
              QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(zeile.utf16()), zeile.size() * 2));
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Kabel"));
    EXPECT_EQ(haupt.Liste().Anzahl(), 1);
}

TEST_F(Importbefehl, FehlerUndAbbruchLassenJedeListeWieSieWar) {
    TMainForm& haupt = StarteMitAstra();
    Schreib(Pfad(QStringLiteral("notizen.txt")), "Brot\nButter\n");
    Dialoge::SetzeNaechsteDateien({Pfad(QStringLiteral("a.m3u")), Pfad(QStringLiteral("notizen.txt"))});
    haupt.Senderlisteimportieren1->trigger();
    ASSERT_EQ(Dialoge::Meldungen().size(), 1);
    EXPECT_EQ(Dialoge::Meldungen()[0].titel, QStringLiteral("Senvio-Liste"));
    EXPECT_EQ(Dialoge::Meldungen()[0].text, QStringLiteral("Das Format der Datei ") +
                                                Pfad(QStringLiteral("notizen.txt")) +
                                                QStringLiteral(" ist unbekannt."));
    EXPECT_FALSE(haupt.ProgressBar1->isVisible());
    // "Abbrechen" in the import dialog, then in the name dialog: nothing changes.
    Dialoge::SetzeNaechstenDateinamen(Pfad(QStringLiteral("a.m3u")));
    haupt.Senderlisteimportieren1->trigger();
    Dialoge::SetzeNaechstenDateinamen(Pfad(QStringLiteral("a.m3u")));
    ImportDialog(false);
    haupt.Senderlisteimportieren1->trigger();
    EXPECT_EQ(haupt.ListenName(), QStringLiteral("Astra"));
    EXPECT_EQ(haupt.Liste().Anzahl(), 2);
    EXPECT_EQ(Lies(Liste(QStringLiteral("Astra.lis"))), astra);
}

} // namespace
} // namespace senvio::test
