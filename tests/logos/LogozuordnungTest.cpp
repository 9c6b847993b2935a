// The keys a station's name is looked up by, and what the matching decides in a small logo library.
#include "logos/Logozuordnung.h"
#include "list/Logoschluessel.h"
#include "logos/LogozuordnungForm.h"

#include "TestDateien.h"

#include <QBuffer>
#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

namespace senvio::test {
namespace {

TEST(Logoschluessel, KlassischDeutschOhneUmlauteUndDieRegeln) {
    struct Fall {
        QString name, klassisch, deutsch, ohneUmlaute;
        QStringList regel[3];
    };
    const Fall faelle[] = {
        {"Das Erste HD", "daserstehd", "daserstehd", "daserstehd", {{"daserstehd"}, {}, {"daserste"}}},
        {"Thu\u0308r", "thur", "thuer", "thr", {{"thur"}, {"thuer", "thr"}, {}}},
        {"Straße TV", "straetv", "strassetv", "straetv", {{"straetv"}, {"strassetv"}, {}}},
        {"MÜ SD", "musd", "muesd", "msd", {{"musd"}, {"muesd", "msd"}, {"mu", "mue", "m"}}},
        {"N-TV. & +1*", "ntvandplus1star", "ntvandplus1star", "ntvandplus1star", {{"ntvandplus1star"}, {}, {}}},
        {"½ Arte UHD", "12arteuhd", "12arteuhd", "12arteuhd", {{"12arteuhd"}, {}, {"12arteu", "12arte"}}},
        {"ß", "", "ss", "", {{}, {"ss"}, {}}},
        {"HD", "hd", "hd", "hd", {{"hd"}, {}, {}}},
        {"", "", "", "", {{}, {}, {}}},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(KlassischerSchluessel(f.name), f.klassisch) << f.name.toStdString();
        EXPECT_EQ(DeutscherSchluessel(f.name), f.deutsch) << f.name.toStdString();
        EXPECT_EQ(SchluesselOhneUmlaute(f.name), f.ohneUmlaute) << f.name.toStdString();
        const Namensschluessel s = SchluesselDesNamens(f.name);
        for (int r = 0; r < 3; ++r)
            EXPECT_EQ(s.regel[r], f.regel[r]) << f.name.toStdString() << " Regel " << r;
    }
    // Each reading of the ending.
    const std::pair<const char*, const char*> endungen[] = {
        {"kabelfhd", "kabelf kabel"}, {"rtlsd", "rtl"}, {"sat14k", "sat1"}, {"uhd", "u"}, {"hd", ""}, {"sdhd", "sd"}};
    for (const auto& [schluessel, alle] : endungen)
        EXPECT_EQ(OhneQualitaetsendungen(schluessel), QString(alle).split(' ', Qt::SkipEmptyParts)) << schluessel;
    EXPECT_EQ(Vergleichsform(QString("KO\u0308LN_1_C00000")), QString("köln_1_c00000"));
}

// A logo root and a "Sender-Logos" folder in a temporary folder, filled with "group/name.png"
// ("Sender-Logos/…" for the copies beside the lists); each file is a logo of its own, or
// what follows "=": "Sender-Logos/a.png=x/a.png" is a copy of "x/a.png", "=leer" an empty
// file, "=abgeschnitten" a logo cut off halfway, "=text" an error page saved as the logo.
class Bibliothek : public testing::Test {
protected:
    Logobestand Lege(const QStringList& dateien) {
        for (const QString& datei : dateien) {
            const QString pfad = datei.section(u'=', 0, 0);
            const QString voll = (pfad.startsWith("Sender-Logos/") ? m_tmp.path() + "/" : Wurzel()) + pfad;
            const QString inhalt = datei.section(u'=', -1);
            Schreib(voll, inhalt == "leer"            ? QByteArray()
                          : inhalt == "abgeschnitten" ? Logo(pfad).left(Logo(pfad).size() / 2)
                          : inhalt == "text"          ? QByteArray("<html><title>404 Not Found</title></html>")
                                                      : Logo(inhalt));
        }
        QDir().mkpath(m_tmp.path() + "/Sender-Logos");
        return LeseLogobestand(Wurzel(), m_tmp.path() + "/Sender-Logos");
    }
    QString Wurzel() const { return m_tmp.path() + "/TV und Radio Sender Logos/"; }
    // An 800 × 450 badge on a transparent ground, in a colour of its own for each name.
    QByteArray Logo(const QString& name) {
        if (!m_logos.contains(name)) {
            QImage bild(800, 450, QImage::Format_ARGB32);
            bild.fill(Qt::transparent);
            QPainter(&bild).fillRect(40, 60, 720, 330, QColor(int(m_logos.size()) * 5 % 256, 90, 200));
            QBuffer puffer;
            puffer.open(QIODevice::WriteOnly);
            EXPECT_TRUE(bild.save(&puffer, "PNG"));
            m_logos.insert(name, puffer.data());
        }
        return m_logos.value(name);
    }
    static QString Name(const Logobestand& b, int d) {
        const Logodatei& datei = b.Dateien()[d];
        return (datei.gruppe.isEmpty() ? QString() : datei.gruppe + "/") + QFileInfo(datei.pfad).fileName();
    }
    // "= file (reason)" for an automatic decision, "? a | b (reason)" for proposals.
    static QString Ergebnis(const Logobestand& b, const QString& name, const QStringList& importSchluessel = {}) {
        return Ergebnis(b, EntscheideLogo(b, {name, importSchluessel}));
    }
    static QString Ergebnis(const Logobestand& b, const Logoentscheidung& e) {
        QStringList namen;
        for (const Logovorschlag& v : e.vorschlaege)
            namen << Name(b, v.datei);
        if (namen.isEmpty())
            return e.automatisch ? "= ?" : "";
        return (e.automatisch ? "= " : "? ") + namen.join(" | ") + " (" + Grundtext(e.vorschlaege[0].grund) + ")";
    }

    QTemporaryDir m_tmp;
    QHash<QString, QByteArray> m_logos;
};

TEST_F(Bibliothek, LiestPngDateienDerWurzelDerGruppenUndDerSenderLogos) {
    const Logobestand b = Lege({"b.png", "A.PNG", "Ohne Logo.png", "notiz.txt", "c.png.bak", "zwei/x.png", "Eins/y.png",
                                "Eins/Unter/z.png", "Eins/OHNE LOGO 2.png", "Sender-Logos/s.png"});
    QStringList namen;
    for (int d = 0; d < b.Dateien().size(); ++d)
        namen << Name(b, d);
    EXPECT_EQ(namen, QStringList({"A.PNG", "b.png", "Eins/y.png", "zwei/x.png", "Sender-Logos/s.png"}));
    EXPECT_EQ(LeseLogobestand(Wurzel().chopped(1), QString()).Dateien().size(), 4);
    EXPECT_TRUE(LeseLogobestand(m_tmp.path() + "/fehlt", m_tmp.path() + "/fehlt2").Dateien().isEmpty());
}

TEST_F(Bibliothek, StaerksteRegelEntscheidetAehnlichesWirdNurVorgeschlagen) {
    const QString koeln = "Deutschland/Ko\u0308ln TV.png";
    Lege({"zdfneo.png", "Europa/kabeleins.png"});
    Lege({"Sport/sportdigital.png", "Sport/sport1.png", "Sport/sportxhd.png", "Sport/spor.png"});
    Lege({"Sender-Logos/arte.png=Deutschland/arte.png", "Sender-Logos/kabeleins.png=Deutschland/Kabel Eins.png"});
    QStringList deutschland;
    for (const char* name : {"Das Erste HD", "daserste", "mdrthueringen", "straetv", "strassetv", "muellerhd",
                             "mueller", "kika", "arte", "Kabel Eins", "phoenixhd", "tagesschau25", "tagesschau"})
        deutschland << "Deutschland/" + QString::fromUtf8(name) + ".png";
    const Logobestand b = Lege(deutschland << koeln);
    const std::tuple<QString, QStringList, QString> faelle[] = {
        {"DAS ERSTE hd", {"gibtsnicht"}, "= Deutschland/Das Erste HD.png (gleicher Name)"},
        {"Das Erste", {}, "= Deutschland/daserste.png (gleicher Name)"},
        {"Das Erste HD", {"", "nicht da", "DASERSTE"}, "= Deutschland/daserste.png (aus der Importdatei)"},
        {"", {"KÖLN TV"}, "= " + koeln + " (aus der Importdatei)"},
        {"Koeln TV", {}, "= " + koeln + " (gleicher Name)"},
        {"MDR Thüringen", {}, "= Deutschland/mdrthueringen.png (gleicher Name)"},
        {"Straße TV", {}, "= Deutschland/straetv.png (gleicher Name)"},
        {"Müller HD", {}, "= Deutschland/muellerhd.png (gleicher Name)"},
        {"Kika HD", {}, "= Deutschland/kika.png (gleicher Name)"},
        {"Arte", {}, "= Deutschland/arte.png (gleicher Name)"},
        {"Kabel Eins", {}, "? Deutschland/Kabel Eins.png | Europa/kabeleins.png (gleicher Name)"},
        {"Phoenix", {}, "? Deutschland/phoenixhd.png (gleicher Anfang)"},
        {"Tagesschau24", {}, "? Deutschland/tagesschau25.png | Deutschland/tagesschau.png (ähnlicher Name)"},
        {"Sport", {}, "? Sport/sport1.png | Sport/spor.png | Sport/sportxhd.png (ähnlicher Name)"},
        {"ZDF", {}, ""},
        {"", {}, ""},
    };
    for (const auto& [name, importSchluessel, erwartet] : faelle)
        EXPECT_EQ(Ergebnis(b, name, importSchluessel), erwartet) << name.toStdString();

    // A group's file is taken before an identical copy in "Sender-Logos", whatever the order.
    QList<Logodatei> umgekehrt(b.Dateien().crbegin(), b.Dateien().crend());
    const Logobestand r(std::move(umgekehrt));
    EXPECT_EQ(Ergebnis(r, "arte"), "= Deutschland/arte.png (gleicher Name)");
    EXPECT_EQ(Ergebnis(r, "Kabel Eins"), "? Deutschland/Kabel Eins.png | Europa/kabeleins.png (gleicher Name)");
}

// The broadcaster's logo is offered for its regional programmes, the file of the entry's
// quality first; a file that does not decode is passed over as if missing; only the files
// a rule found are decoded.
TEST_F(Bibliothek, RegionalprogrammeUndBeschaedigteDateien) {
    const QString picon = "1_0_1_EF10_421_1_C00000_0_0_0";
    const Logobestand b = Lege(
        {"ARD/brhd.png", "ARD/br.png", "ARD/hr.png", "ARD/srhd.png=leer", "ARD/sr.png", "ORF/orf3hd.png", "ORF/orf.png",
         "ZDF/zdf.png", "Sonstige/tv.png", "Deutschland/Kabel Eins.png=abgeschnitten", "Europa/kabeleins.png",
         "Picons/1_0_1_EF10_421_1_C00000_0_0_0.png=text", "Deutschland/prosieben.png", "Sonstige/zdfinfo.png=leer"});
    const std::tuple<QString, QStringList, QString> faelle[] = {
        {"BR Süd HD", {}, "? ARD/brhd.png | ARD/br.png (gleicher Anfang)"},
        {"BR Nord", {}, "? ARD/br.png | ARD/brhd.png (gleicher Anfang)"},
        {"hr-fernsehen HD", {}, "? ARD/hr.png (gleicher Anfang)"},
        {"SR Fernsehen HD", {}, "? ARD/sr.png (gleicher Anfang)"},
        {"ORF III", {}, "? ORF/orf3hd.png (gleicher Anfang)"},
        {"ZDFneo", {}, ""},
        {"TV Berlin", {}, ""},
        {"Kabel Eins", {}, "= Europa/kabeleins.png (gleicher Name)"},
        {"ProSieben", {picon}, "= Deutschland/prosieben.png (gleicher Name)"},
    };
    for (const auto& [name, importSchluessel, erwartet] : faelle)
        EXPECT_EQ(Ergebnis(b, name, importSchluessel), erwartet) << name.toStdString();
    // srhd, Kabel Eins and the picon; zdfinfo.png was nobody's candidate.
    EXPECT_EQ(b.Beschaedigte(), 3);
}

// A name two stations of the list share only proposes; radio is not offered by its first word
// or a similar name what a television entry of the list takes (one outside the part sought
// too), its exact name still counts.
TEST_F(Bibliothek, GeteilteNamenUndRadioInDerListe) {
    const Logobestand b = Lege({"Regional/atv.png", "ARD/ndr.png", "ARD/ndrhd.png", "ARD/ndrkultur.png", "ARD/mdr.png",
                                "ARD/br.png", "ARD/daserste.png", "Kaputt/k1.png=leer", "Kaputt/k2.png=leer"});
    const QList<Logoanfrage> suchen{{"ATV HD", {}},         {"a.tv HD", {}},
                                    {"Das Erste", {}},      {"Das Erste HD", {}},
                                    {"NDR FS HH HD", {}},   {"MDR S-Anhalt HD", {}, false, -1, false},
                                    {"NDR 90,3", {}, true}, {"NDR Kultur", {}, true},
                                    {"MDR JUMP", {}, true}, {"BR-KLASSIK", {}, true}};
    const QStringList erwartet = QString("? Regional/atv.png (gleicher Name);? Regional/atv.png (gleicher Name);"
                                         "= ARD/daserste.png (gleicher Name);= ARD/daserste.png (gleicher Name);"
                                         "? ARD/ndrhd.png | ARD/ndr.png (gleicher Anfang);;;"
                                         "= ARD/ndrkultur.png (gleicher Name);;? ARD/br.png (gleicher Anfang)")
                                     .split(';');
    const QList<Logoentscheidung> entscheidungen = EntscheideLogos(b, suchen);
    for (qsizetype i = 0; i < suchen.size(); ++i)
        EXPECT_EQ(Ergebnis(b, entscheidungen[i]), erwartet[i]) << suchen[i].name.toStdString();
    // The note names the broken files, ten at most.
    for (const char c : QByteArray("3456789xy"))
        Schreib(Wurzel() + "Kaputt/k" + c + ".png", {});
    const Logobestand viele = Lege({});
    for (int d = 0; d < viele.Dateien().size(); ++d)
        viele.Lesbar(d);
    EXPECT_EQ(Beschaedigtenhinweis(viele),
              "11 Logodateien sind beschädigt und wurden übergangen: k1.png (Kaputt), k2.png (Kaputt), k3.png "
              "(Kaputt), k4.png (Kaputt), k5.png (Kaputt), k6.png (Kaputt), k7.png (Kaputt), k8.png (Kaputt), k9.png "
              "(Kaputt), kx.png (Kaputt) … und 1 weitere.");
}

// A review of 90 rows: at least 15 whole rows in a window maximised on 1280 × 1024, a filter by
// reason, and the rows shown unticked at once while the hidden ones keep their ticks.
TEST_F(Bibliothek, LangePruefungNachGrundGefiltert) {
    const Logobestand b = Lege({"ARD/daserste.png", "ARD/ndr.png"});
    QList<Pruefeintrag> eintraege;
    for (int i = 0; i < 90; ++i) {
        const Logovorschlag vorschlag{i % 3 ? 1 : 0, i % 3 ? Logogrund::AehnlicherName : Logogrund::GleicherName};
        eintraege.append({i, "NDR", "Nr. " + QString::number(i + 1), {}, {}, {i % 3 == 0, {vorschlag}}});
    }
    TLogozuordnungForm dialog(b, eintraege);
    dialog.resize(1280, 940);
    dialog.show();
    auto* tabelle = dialog.findChild<QTableWidget*>("Tabelle");
    int ganz = 0, gezeigt = 0;
    for (int z = 0; z < tabelle->rowCount(); ++z)
        ganz += tabelle->viewport()->rect().contains(tabelle->visualItemRect(tabelle->item(z, 0)));
    dialog.Waehle(1, true);
    dialog.findChild<QComboBox*>("Grundwahl")->setCurrentText("ähnlicher Name");
    for (int z = 0; z < tabelle->rowCount(); ++z)
        gezeigt += !tabelle->isRowHidden(z);
    dialog.findChild<QPushButton*>("Abwaehlen")->click();
    EXPECT_GE(ganz, 15);
    EXPECT_EQ(gezeigt, 60);
    EXPECT_EQ(dialog.Gewaehlt().size(), 30); // the 30 of the same name and none of the similar ones
}

} // namespace
} // namespace senvio::test
