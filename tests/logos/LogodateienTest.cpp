// Which files of a group folder count, how their names are tidied on disk, which placeholders go.
#include "logos/Logodateien.h"
#include "logos/Logogruppen.h"

#include "TestDateien.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace senvio::test {
namespace {

TEST(LogoEndung, NurWasInPngVorkommtUndKleinGeschriebenZaehlt) {
    const std::pair<const char*, bool> faelle[] = {
        {"x.PNG", true},     {"kurz.pn", true}, {"punkt.", true}, {"ohne", false},
        {"bild.jpg", false}, {"x.pngx", false}, {"x.ng", false},
    };
    for (const auto& [name, zaehlt] : faelle)
        EXPECT_EQ(IstLogoEndung(QString::fromUtf8(name), QStringLiteral(".png")), zaehlt) << name;
}

TEST(LogoName, JederSchrittNimmtNurDasErsteVorkommen) {
    const std::pair<QString, QString> faelle[] = {
        {QStringLiteral("Mu\u0308nchen.png"), QStringLiteral("Munchen.png")},
        {QStringLiteral("Stra\u00B7e.png"), QStringLiteral("Strasse.png")},
        // Two u-umlauts: one per round.
        {QStringLiteral("Mu\u0308nchen-Su\u0308d.png"), QStringLiteral("Munchen-Su\u0308d.png")},
        // All four steps in one round, in their order.
        {QStringLiteral("Ga\u0308o\u0308u\u0308\u00B7\u00B7.png"), QStringLiteral("Gaouss\u00B7.png")},
        // The spacing diaeresis is the same byte in the code page.
        {QStringLiteral("Ko\u00A8ln.png"), QStringLiteral("Koln.png")},
        // Capitals and a lone diaeresis stay; so do names already tidy.
        {QStringLiteral("U\u0308ber \u0308.png"), QStringLiteral("U\u0308ber \u0308.png")},
        // A character outside the BMP is one byte in the code page, two here.
        {QStringLiteral("\U0001F4FAu\u0308.png"), QStringLiteral("\U0001F4FAu.png")},
    };
    for (const auto& [name, erwartet] : faelle)
        EXPECT_EQ(NormalisiereLogoname(name), erwartet) << name.toStdString();
}

class GruppenOrdner : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        m_ordner = m_tmp.path() + QStringLiteral("/Mu\u0308sik");
        ASSERT_TRUE(QDir().mkpath(m_ordner + QStringLiteral("/Unterordner.png")));
    }
    void Lege(const QString& name) { Schreib(m_ordner + QLatin1Char('/') + name, name.toUtf8()); }
    QStringList Namen(const QStringList& pfade) const {
        QStringList namen;
        for (const QString& pfad : pfade) {
            EXPECT_TRUE(pfad.startsWith(m_ordner + QLatin1Char('/'))) << pfad.toStdString();
            namen << pfad.mid(m_ordner.size() + 1);
        }
        return namen;
    }

    QTemporaryDir m_tmp;
    QString m_ordner; // its own decomposed umlaut stays
};

TEST_F(GruppenOrdner, BenenntUmUndMeldetWasNichtGeht) {
    const QString zweiUmlaute = QStringLiteral("Su\u0308du\u0308st.png");
    for (const QString& name : {QStringLiteral("Mu\u0308nchen.png"), zweiUmlaute, QStringLiteral("Ko\u0308ln.png"),
                                QStringLiteral("Koln.png"), QStringLiteral("bild.jpg")})
        Lege(name);

    const GeleseneLogodateien erste = LeseLogodateien(m_ordner, QStringLiteral(".png"));
    const QString halb = QStringLiteral("Sudu\u0308st.png");
    EXPECT_EQ(Namen(erste.dateien), (QStringList{QStringLiteral("Koln.png"), QStringLiteral("Koln.png"),
                                                 QStringLiteral("Munchen.png"), halb}));
    // The blocked rename leaves both files as they were, the tidy one untouched.
    EXPECT_EQ(erste.meldungen, QStringList{QStringLiteral("\"") + m_ordner +
                                           QStringLiteral("/Koln.png \" kann nicht umbenannt werden!")});
    EXPECT_EQ(Lies(m_ordner + QStringLiteral("/Koln.png")), QByteArray("Koln.png"));
    EXPECT_EQ(Lies(m_ordner + QStringLiteral("/Munchen.png")), QStringLiteral("Mu\u0308nchen.png").toUtf8());

    const GeleseneLogodateien zweite = LeseLogodateien(m_ordner + QLatin1Char('/'), QStringLiteral(".png"));
    EXPECT_TRUE(Namen(zweite.dateien).contains(QStringLiteral("Sudust.png")));
    EXPECT_EQ(zweite.meldungen.size(), 1);
    EXPECT_EQ(QDir(m_ordner).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("Koln.png"), QStringLiteral("Ko\u0308ln.png"), QStringLiteral("Munchen.png"),
                           QStringLiteral("Sudust.png"), QStringLiteral("bild.jpg")}));
}

TEST_F(GruppenOrdner, OhneLogodateienFallenVonHintenWegHoechstensVier) {
    QStringList dateien;
    for (const char* name : {"a.png", "Ohne Logo1.png", "OHNE LOGO2.png", "b.png", "ohne logo3.png", "Ohne lOgo4.png",
                             "c.png", "ohne Logo5.png"})
        dateien << m_ordner + QLatin1Char('/') + QLatin1String(name);
    EntferneOhneLogodateien(dateien);
    EXPECT_EQ(Namen(dateien), (QStringList{QStringLiteral("a.png"), QStringLiteral("Ohne Logo1.png"),
                                           QStringLiteral("b.png"), QStringLiteral("c.png")}));

    // Only the file name counts: a folder of that name drops nothing.
    QStringList imOrdner{QStringLiteral("/x/ohne logo/zdf.png"), QStringLiteral("/x/ohne logo/ard.png")};
    EntferneOhneLogodateien(imOrdner);
    EXPECT_EQ(imOrdner.size(), 2);
}

// Groups in name order, capitals or not; files and deeper folders are no groups.
TEST_F(GruppenOrdner, GruppenNachNamen) {
    for (const char* gruppe : {"zdf", "ARD", "br/Regional", "Arte"})
        ASSERT_TRUE(QDir().mkpath(m_ordner + QLatin1Char('/') + QLatin1String(gruppe)));
    Lege(QStringLiteral("lose.png"));
    EXPECT_EQ(LeseLogogruppen(m_ordner),
              (QStringList{QStringLiteral("ARD"), QStringLiteral("Arte"), QStringLiteral("br"),
                           QStringLiteral("Unterordner.png"), QStringLiteral("zdf")}));
    EXPECT_TRUE(LeseLogogruppen(m_ordner + QStringLiteral("/fehlt")).isEmpty());
}

} // namespace
} // namespace senvio::test
