// Finding logos by name, the search's scroll targets and dialog, and the pieces of attaching a logo.
#include "logos/Logoanhang.h"
#include "logos/Logosuche.h"
#include "logos/SuchForm.h"

#include "TestDateien.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

namespace senvio::test {

using namespace Qt::StringLiterals;
namespace {

const QStringList Gruppe{u"ARD.png"_s, u"ard-alpha.png"_s, u"BR.png"_s, u"TV ard.png"_s};

TEST(Logosuche, ErstGleicherNameDannTeiltexte) {
    const std::pair<const char*, QList<int>> faelle[] = {
        {"  Br.PNG ", {2}}, // the whole name, trimmed, any case
        {"ARD", {0, 1, 3}}, // no name equals it: every name holding it
        {" ar", {3}},       // the leading blank is kept for the part
        {"alpha ", {}},     // and so is a trailing one
        {"", {}},           {"zdf", {}},
    };
    for (const auto& [text, erwartet] : faelle)
        EXPECT_EQ(SucheLogos(Gruppe, QString::fromUtf8(text)), erwartet) << text;
}

TEST(Logosuche, ScrollZiele) {
    // {i, n, T}: a large group loses 108, 216 and 54 from 27 · i − 108 from 16, 10 and 4 before its end.
    const std::tuple<int, int, int> faelle[] = {
        {3, 40, 0},    {23, 40, 513}, {24, 40, 432}, {30, 40, 378},
        {39, 40, 567}, {2, 12, 0},    {11, 20, -10}, {12, 20, 216},
    };
    for (const auto& [i, n, ziel] : faelle)
        EXPECT_EQ(ScrollZiel(i, n), ziel) << i << " von " << n;
}

TEST(Suchdialog, DerLetzteTrefferBleibtGewaehlt) {
    TSuchForm suche;
    auto* feld = suche.findChild<QLineEdit*>(u"TntEdit1"_s);
    auto* namen = suche.findChild<QListWidget*>(u"TntListBox1"_s);
    auto* treffer = suche.findChild<QListWidget*>(u"TntListBox2"_s);
    suche.FuelleNamen({u"/logos/ARD/ARD.png"_s, u"/logos/ARD/ard-alpha.png"_s, u"/logos/ARD/BR.png"_s});
    suche.FuelleNamen({u"/anders/x.png"_s}); // filled once per group
    ASSERT_EQ(namen->count(), 3);
    EXPECT_EQ(namen->item(2)->text(), u"BR.png"_s);

    feld->setText(u"ARD"_s);
    suche.SuchBtnClick();
    ASSERT_EQ(treffer->count(), 2);
    EXPECT_EQ(treffer->item(1)->text(), u"ard-alpha.png"_s);
    EXPECT_EQ(namen->currentRow(), 1); // the last match

    suche.Leere();
    EXPECT_EQ(namen->count() + treffer->count(), 0);
    EXPECT_TRUE(feld->text().isEmpty());
}

TEST(Logoanhang, ZeileNamensfeldUndKopie) {
    const QString pfad = u"ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\zdf.png"_s;
    EXPECT_EQ(ZeileMitLogo(u"    2   = ZDF #png#alt #png#x.png"_s, u"zdf.png"_s), u"    2   = ZDF #png#"_s + pfad);
    EXPECT_EQ(ZeileMitLogo(u"    2   = ZDF"_s, u"zdf.png"_s), std::nullopt);

    EXPECT_EQ(Namensfeldtext(u"a.PNG.png"_s), u"a.png"_s);
    EXPECT_EQ(Namensfeldtext(u"x.p"_s), u"x.p"_s);
    QFont schrift(u"DejaVu Sans"_s);
    schrift.setPixelSize(16);
    // Narrow letters, so that every few pixels of the limit count.
    const QString lang = KuerzeNamen(QString(200, QLatin1Char('i')), schrift);
    EXPECT_LE(QFontMetrics(schrift).horizontalAdvance(lang) + 8, 280);
    EXPECT_GT(QFontMetrics(schrift).horizontalAdvance(lang + QLatin1Char('i')) + 8, 280);
    EXPECT_EQ(KuerzeNamen(u"ZDF"_s, schrift), u"ZDF"_s);

    QTemporaryDir tmp;
    const QString quelle = tmp.path() + u"/neu.png"_s;
    const QString ziel = tmp.path() + u"/zdf.png"_s;
    Schreib(quelle, QByteArray(100000, 'n'));
    Schreib(ziel, QByteArray("alt"));
    EXPECT_TRUE(KopiereLogo(quelle, ziel));
    EXPECT_EQ(Lies(ziel), QByteArray(100000, 'n'));
    EXPECT_FALSE(KopiereLogo(quelle, tmp.path() + u"/fehlt/zdf.png"_s));
    Schreib(quelle, QByteArray(1000, 'k'));
    {
        const Dateigrenze vollePlatte(500);
        EXPECT_FALSE(KopiereLogo(quelle, ziel));
    }
    EXPECT_EQ(Lies(ziel), QByteArray(100000, 'n'));
    EXPECT_FALSE(KopiereLogo(tmp.path() + u"/fehlt.png"_s, ziel));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files).size(), 2); // no temporary file left
}

} // namespace
} // namespace senvio::test
