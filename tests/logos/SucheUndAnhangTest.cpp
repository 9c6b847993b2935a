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
namespace {

const QStringList Gruppe{QStringLiteral("ARD.png"), QStringLiteral("ard-alpha.png"), QStringLiteral("BR.png"),
                         QStringLiteral("TV ard.png")};

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
    auto* feld = suche.findChild<QLineEdit*>(QStringLiteral("TntEdit1"));
    auto* namen = suche.findChild<QListWidget*>(QStringLiteral("TntListBox1"));
    auto* treffer = suche.findChild<QListWidget*>(QStringLiteral("TntListBox2"));
    suche.FuelleNamen({QStringLiteral("/logos/ARD/ARD.png"), QStringLiteral("/logos/ARD/ard-alpha.png"),
                       QStringLiteral("/logos/ARD/BR.png")});
    suche.FuelleNamen({QStringLiteral("/anders/x.png")}); // filled once per group
    ASSERT_EQ(namen->count(), 3);
    EXPECT_EQ(namen->item(2)->text(), QStringLiteral("BR.png"));

    feld->setText(QStringLiteral("ARD"));
    suche.SuchBtnClick();
    ASSERT_EQ(treffer->count(), 2);
    EXPECT_EQ(treffer->item(1)->text(), QStringLiteral("ard-alpha.png"));
    EXPECT_EQ(namen->currentRow(), 1); // the last match

    suche.Leere();
    EXPECT_EQ(namen->count() + treffer->count(), 0);
    EXPECT_TRUE(feld->text().isEmpty());
}

TEST(Logoanhang, ZeileNamensfeldUndKopie) {
    const QString pfad = QStringLiteral("ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\zdf.png");
    EXPECT_EQ(ZeileMitLogo(QStringLiteral("    2   = ZDF #png#alt #png#x.png"), QStringLiteral("zdf.png")),
              QStringLiteral("    2   = ZDF #png#") + pfad);
    EXPECT_EQ(ZeileMitLogo(QStringLiteral("    2   = ZDF"), QStringLiteral("zdf.png")), std::nullopt);

    EXPECT_EQ(Namensfeldtext(QStringLiteral("a.PNG.png")), QStringLiteral("a.png"));
    EXPECT_EQ(Namensfeldtext(QStringLiteral("x.p")), QStringLiteral("x.p"));
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(16);
    // Narrow letters, so that every few pixels of the limit count.
    const QString lang = KuerzeNamen(QString(200, QLatin1Char('i')), schrift);
    EXPECT_LE(QFontMetrics(schrift).horizontalAdvance(lang) + 8, 280);
    EXPECT_GT(QFontMetrics(schrift).horizontalAdvance(lang + QLatin1Char('i')) + 8, 280);
    EXPECT_EQ(KuerzeNamen(QStringLiteral("ZDF"), schrift), QStringLiteral("ZDF"));

    QTemporaryDir tmp;
    const QString quelle = tmp.path() + QStringLiteral("/neu.png");
    const QString ziel = tmp.path() + QStringLiteral("/zdf.png");
    Schreib(quelle, QByteArray(100000, 'n'));
    Schreib(ziel, QByteArray("alt"));
    EXPECT_TRUE(KopiereLogo(quelle, ziel));
    EXPECT_EQ(Lies(ziel), QByteArray(100000, 'n'));
    EXPECT_FALSE(KopiereLogo(quelle, tmp.path() + QStringLiteral("/fehlt/zdf.png")));
    Schreib(quelle, QByteArray(1000, 'k'));
    {
        const Dateigrenze vollePlatte(500);
        EXPECT_FALSE(KopiereLogo(quelle, ziel));
    }
    EXPECT_EQ(Lies(ziel), QByteArray(100000, 'n'));
    EXPECT_FALSE(KopiereLogo(tmp.path() + QStringLiteral("/fehlt.png"), ziel));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files).size(), 2); // no temporary file left
}

} // namespace
} // namespace senvio::test
