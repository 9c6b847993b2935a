// Which files of a group folder count, how their names are tidied on disk, which placeholders go.
#include "logos/Logodateien.h"
#include "logos/Logogruppen.h"

#include "TestDateien.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace senvio::test {

using namespace Qt::StringLiterals;
namespace {

TEST(LogoEndung, NurWasInPngVorkommtUndKleinGeschriebenZaehlt) {
    const std::pair<const char*, bool> faelle[] = {
        {"x.PNG", true},     {"kurz.pn", true}, {"punkt.", true}, {"ohne", false},
        {"bild.jpg", false}, {"x.pngx", false}, {"x.ng", false},
    };
    for (const auto& [name, zaehlt] : faelle)
        EXPECT_EQ(IstLogoEndung(QString::fromUtf8(name), u".png"_s), zaehlt) << name;
}

TEST(LogoName, JederSchrittNimmtNurDasErsteVorkommen) {
    const std::pair<QString, QString> faelle[] = {
        {u"Mu\u0308nchen.png"_s, u"Munchen.png"_s},
        {u"Stra\u00B7e.png"_s, u"Strasse.png"_s},
        // Two u-umlauts: one per round.
        {u"Mu\u0308nchen-Su\u0308d.png"_s, u"Munchen-Su\u0308d.png"_s},
        // All four steps in one round, in their order.
        {u"Ga\u0308o\u0308u\u0308\u00B7\u00B7.png"_s, u"Gaouss\u00B7.png"_s},
        // The spacing diaeresis is the same byte in the code page.
        {u"Ko\u00A8ln.png"_s, u"Koln.png"_s},
        // Capitals and a lone diaeresis stay; so do names already tidy.
        {u"U\u0308ber \u0308.png"_s, u"U\u0308ber \u0308.png"_s},
        // A character outside the BMP is one byte in the code page, two here.
        {u"\U0001F4FAu\u0308.png"_s, u"\U0001F4FAu.png"_s},
    };
    for (const auto& [name, erwartet] : faelle)
        EXPECT_EQ(NormalisiereLogoname(name), erwartet) << name.toStdString();
}

class GruppenOrdner : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        m_ordner = m_tmp.path() + u"/Mu\u0308sik"_s;
        ASSERT_TRUE(QDir().mkpath(m_ordner + u"/Unterordner.png"_s));
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
    const QString zweiUmlaute = u"Su\u0308du\u0308st.png"_s;
    for (const QString& name : {u"Mu\u0308nchen.png"_s, zweiUmlaute, u"Ko\u0308ln.png"_s, u"Koln.png"_s, u"bild.jpg"_s})
        Lege(name);

    const GeleseneLogodateien erste = LeseLogodateien(m_ordner, u".png"_s);
    const QString halb = u"Sudu\u0308st.png"_s;
    EXPECT_EQ(Namen(erste.dateien), (QStringList{u"Koln.png"_s, u"Koln.png"_s, u"Munchen.png"_s, halb}));
    // The blocked rename leaves both files as they were, the tidy one untouched.
    EXPECT_EQ(erste.meldungen, QStringList{u"\""_s + m_ordner + u"/Koln.png \" kann nicht umbenannt werden!"_s});
    EXPECT_EQ(Lies(m_ordner + u"/Koln.png"_s), QByteArray("Koln.png"));
    EXPECT_EQ(Lies(m_ordner + u"/Munchen.png"_s), u"Mu\u0308nchen.png"_s.toUtf8());

    const GeleseneLogodateien zweite = LeseLogodateien(m_ordner + QLatin1Char('/'), u".png"_s);
    EXPECT_TRUE(Namen(zweite.dateien).contains(u"Sudust.png"_s));
    EXPECT_EQ(zweite.meldungen.size(), 1);
    EXPECT_EQ(QDir(m_ordner).entryList(QDir::Files, QDir::Name),
              (QStringList{u"Koln.png"_s, u"Ko\u0308ln.png"_s, u"Munchen.png"_s, u"Sudust.png"_s, u"bild.jpg"_s}));
}

TEST_F(GruppenOrdner, OhneLogodateienFallenVonHintenWegHoechstensVier) {
    QStringList dateien;
    for (const char* name : {"a.png", "Ohne Logo1.png", "OHNE LOGO2.png", "b.png", "ohne logo3.png", "Ohne lOgo4.png",
                             "c.png", "ohne Logo5.png"})
        dateien << m_ordner + QLatin1Char('/') + QLatin1String(name);
    EntferneOhneLogodateien(dateien);
    EXPECT_EQ(Namen(dateien), (QStringList{u"a.png"_s, u"Ohne Logo1.png"_s, u"b.png"_s, u"c.png"_s}));

    // Only the file name counts: a folder of that name drops nothing.
    QStringList imOrdner{u"/x/ohne logo/zdf.png"_s, u"/x/ohne logo/ard.png"_s};
    EntferneOhneLogodateien(imOrdner);
    EXPECT_EQ(imOrdner.size(), 2);
}

// Groups in name order, capitals or not; files and deeper folders are no groups.
TEST_F(GruppenOrdner, GruppenNachNamen) {
    for (const char* gruppe : {"zdf", "ARD", "br/Regional", "Arte"})
        ASSERT_TRUE(QDir().mkpath(m_ordner + QLatin1Char('/') + QLatin1String(gruppe)));
    Lege(u"lose.png"_s);
    EXPECT_EQ(LeseLogogruppen(m_ordner), (QStringList{u"ARD"_s, u"Arte"_s, u"br"_s, u"Unterordner.png"_s, u"zdf"_s}));
    EXPECT_TRUE(LeseLogogruppen(m_ordner + u"/fehlt"_s).isEmpty());
}

} // namespace
} // namespace senvio::test
