// The keys a station's name is looked up by, and what the matching decides in a small logo library.
#include "logos/Logozuordnung.h"
#include "list/Logoschluessel.h"

#include "TestDateien.h"

#include <QFileInfo>
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
    const std::pair<QString, QStringList> endungen[] = {{"kabelfhd", {"kabelf", "kabel"}},
                                                        {"rtlsd", {"rtl"}},
                                                        {"sat14k", {"sat1"}},
                                                        {"uhd", {"u"}},
                                                        {"hd", {}},
                                                        {"sdhd", {"sd"}}};
    for (const auto& [schluessel, alle] : endungen)
        EXPECT_EQ(OhneQualitaetsendungen(schluessel), alle) << schluessel.toStdString();
    EXPECT_EQ(Vergleichsform(QString("KO\u0308LN_1_C00000")), QString("köln_1_c00000"));
}

// A logo root and a "Sender-Logos" folder in a temporary folder, filled with "group/name.png"
// ("Sender-Logos/…" for the copies beside the lists); each file holds its path, or what
// follows "=": "Sender-Logos/a.png=x/a.png" is a copy of "x/a.png".
class Bibliothek : public testing::Test {
protected:
    Logobestand Lege(const QStringList& dateien) {
        for (const QString& datei : dateien) {
            const QString pfad = datei.section(u'=', 0, 0);
            const QString voll = (pfad.startsWith("Sender-Logos/") ? m_tmp.path() + "/" : Wurzel()) + pfad;
            Schreib(voll, datei.section(u'=', -1).toUtf8());
        }
        QDir().mkpath(m_tmp.path() + "/Sender-Logos");
        return LeseLogobestand(Wurzel(), m_tmp.path() + "/Sender-Logos");
    }
    QString Wurzel() const { return m_tmp.path() + "/TV und Radio Sender Logos/"; }
    static QString Name(const Logobestand& b, int d) {
        const Logodatei& datei = b.Dateien()[d];
        return (datei.gruppe.isEmpty() ? QString() : datei.gruppe + "/") + QFileInfo(datei.pfad).fileName();
    }
    // "= file (reason)" for an automatic decision, "? a | b (reason)" for proposals.
    static QString Ergebnis(const Logobestand& b, const QString& name, const QStringList& importSchluessel = {}) {
        const Logoentscheidung e = EntscheideLogo(b, {name, importSchluessel});
        QStringList namen;
        for (const Logovorschlag& v : e.vorschlaege)
            namen << Name(b, v.datei);
        if (namen.isEmpty())
            return e.automatisch ? "= ?" : "";
        return (e.automatisch ? "= " : "? ") + namen.join(" | ") + " (" + Grundtext(e.vorschlaege[0].grund) + ")";
    }

    QTemporaryDir m_tmp;
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
        {"Phoenix", {}, "? Deutschland/phoenixhd.png (ähnlicher Name)"},
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

} // namespace
} // namespace senvio::test
