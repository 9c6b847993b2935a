// Cards and pages composed from bitmaps: card counts, the five modes' arrangements
// (turned cards included), page sizes and the dotted cut lines, worked out by hand.
#include "output/Kartenbilder.h"
#include "output/Blattaufteilung.h"
#include "output/Kartendateien.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace senvio {
namespace {

const QRgb Weiss = qRgb(255, 255, 255), Schwarz = qRgb(0, 0, 0);
const QRgb Blau = qRgb(0, 0, 255), Rot = qRgb(255, 0, 0);
const QRgb Kartenfarbe[] = {qRgb(200, 60, 60), qRgb(60, 200, 60), qRgb(60, 60, 200), qRgb(200, 200, 60)};

QRgb Px(const QImage& bild, int x, int y) {
    return bild.pixel(x, y) | 0xFF000000u;
}

QImage Voll(int w, int h, QRgb farbe) {
    QImage bild(w, h, QImage::Format_RGB32);
    bild.fill(farbe);
    return bild;
}

// Cards 1 to anzahl, each in its own colour with a black 20 × 20 mark at its top left,
// so that its place and its turn can be read from the page.
std::array<QImage, KartenJeSeite> Karten(int anzahl) {
    std::array<QImage, KartenJeSeite> c;
    for (int k = 0; k < anzahl; ++k) {
        c[size_t(k)] = Voll(KartenBreite, KartenHoehe, Kartenfarbe[k]);
        QPainter(&c[size_t(k)]).fillRect(0, 0, 20, 20, Qt::black);
    }
    return c;
}

// What stands at the card place with top left (x, y): "1" to "4" upright, "1R"
// to "4R" turned by 180°, "w" white, "?" anything else.
std::string Stelle(const QImage& seite, int x, int y) {
    const QRgb mitte = Px(seite, x + 239, y + 317);
    if (mitte == Weiss)
        return "w";
    for (int k = 1; k <= 4; ++k)
        if (mitte == Kartenfarbe[k - 1]) {
            if (Px(seite, x + 5, y + 5) == Schwarz && Px(seite, x + 472, y + 628) == mitte)
                return std::to_string(k);
            if (Px(seite, x + 472, y + 628) == Schwarz && Px(seite, x + 5, y + 5) == mitte)
                return std::to_string(k) + "R";
        }
    return "?";
}

// Top left, top right, bottom left, bottom right of a print page, joined by blanks; "-" outside it.
std::string Plaetze(const QImage& seite) {
    std::string p;
    for (const auto& [x, y] : {std::pair{0, 0}, {488, 0}, {0, 644}, {488, 644}})
        p += (p.empty() ? "" : " ") +
             (x + 478 <= seite.width() && y + 634 <= seite.height() ? Stelle(seite, x, y) : "-");
    return p;
}

using namespace Qt::StringLiterals;

TEST(Kartenbilder, AnzahlKartenUndSeiten) {
    // Entries, cards, pages; a second page has as many cards as the first.
    const std::tuple<int, int, int> faelle[] = {{14, 1, 1}, {15, 2, 1}, {44, 3, 1}, {45, 3, 1},
                                                {46, 4, 1}, {60, 4, 1}, {61, 4, 2}};
    for (const auto& [n, k, p] : faelle)
        EXPECT_EQ(std::pair(AnzahlKarten(n), AnzahlSeiten(n)), std::pair(k, p)) << n;
    EXPECT_EQ(AnzahlSeiten(0), 0);
}

// Room a run needs: cards of 478 (or the wider list) × 634 and pages of two by two cards at
// 4 bytes a pixel, the PDF a quarter of the pages. 6,000 entries are about a gigabyte.
TEST(Kartenbilder, PlatzbedarfUndMangel) {
    EXPECT_EQ(Platzbedarf(0, 462), 0);
    EXPECT_EQ(Platzbedarf(45, 500), 3 * 1'268'000 + 5'163'120 + 1'290'780);
    EXPECT_EQ(Platzbedarf(61, 462), 2 * (4 * 1'212'208 + 4'938'192 + 1'234'548));
    EXPECT_EQ(Platzbedarf(6000, 478), 1'102'157'200);
    EXPECT_EQ(Platzmangel(100, 1'102'157'200, 500 << 20),
              u"Für den Druck von 100 Seiten sind etwa 1052 MB freier Platz nötig, frei sind 500 MB."_s);
    EXPECT_EQ(Platzmangel(2, 22'043'144, 22'043'144), QString());
}

TEST(Kartenbilder, KarteAusFuenfzehnEintraegen) {
    std::vector<QImage> eintraege, gross;
    for (int j = 0; j < 15; ++j) {
        eintraege.push_back(Voll(400, 41, qRgb(10 + 15 * j, 100, 50)));
        gross.push_back(Voll(500, 50, qRgb(10 + 15 * j, 0, 0)));
    }
    const QImage karte = SetzeKarteZusammen(eintraege);
    ASSERT_EQ(karte.size(), QSize(478, 634));
    EXPECT_EQ(karte.format(), QImage::Format_RGB32);
    for (int j = 0; j < 15; ++j) {
        EXPECT_EQ(Px(karte, 0, 41 * j), qRgb(10 + 15 * j, 100, 50)) << j;
        EXPECT_EQ(Px(karte, 399, 41 * j + 40), qRgb(10 + 15 * j, 100, 50)) << j;
        EXPECT_EQ(Px(karte, 400, 41 * j + 20), Weiss) << j; // widened to 478 in white
    }

    // The last card of a list: two entries, the rest beyond the list.
    std::vector<QImage> zwei(15);
    zwei[0] = eintraege[0], zwei[1] = eintraege[1];
    const QImage kurz = SetzeKarteZusammen(zwei);
    ASSERT_EQ(kurz.size(), QSize(478, 634));
    EXPECT_EQ(std::pair(Px(kurz, 0, 81), Px(kurz, 0, 82)), std::pair(qRgb(25, 100, 50), Weiss));

    // Wider and taller entries: the card keeps the width and is cut at row 634.
    const QImage breit = SetzeKarteZusammen(gross);
    ASSERT_EQ(breit.size(), QSize(500, 634));
    EXPECT_EQ(Px(breit, 499, 633), qRgb(10 + 15 * 12, 0, 0)); // entry 12 spans rows 600 to 649
}

TEST(Kartenbilder, PlaetzeUndGroesseJeModus) {
    using A = Ausgabeart;
    // The page's size, then its places: top left, top right, bottom left, bottom right.
    const std::tuple<A, int, int, int, const char*> faelle[] = {
        {A::ObenGeheftet, 1, 488, 644, "1 - - -"},    {A::ObenGeheftet, 2, 488, 1278, "1 - 2 -"},
        {A::ObenGeheftet, 3, 966, 1278, "1 3 2 w"},   {A::ObenGeheftet, 4, 966, 1278, "1 3 2 4"},
        {A::LinksGeheftet, 2, 966, 644, "1 2 - -"},   {A::LinksGeheftet, 3, 966, 1278, "1 2 3 w"},
        {A::LinksGeheftet, 4, 966, 1278, "1 2 3 4"},  {A::Doppelhuellen, 1, 966, 634, "w 1 - -"},
        {A::Doppelhuellen, 2, 966, 1278, "w 1 2 w"},  {A::Doppelhuellen, 3, 966, 1278, "w 1 2 3"},
        {A::Doppelhuellen, 4, 966, 1278, "4 1 3R 2R"}};
    for (const auto& [art, anzahl, breite, hoehe, plaetze] : faelle) {
        const QImage seite = SetzeSeiteZusammen(art, Karten(anzahl));
        EXPECT_EQ(std::pair(seite.size(), Plaetze(seite)), std::pair(QSize(breite, hoehe), std::string(plaetze)))
            << int(art) << " " << anzahl;
    }
    // The picture modes stack the cards.
    for (const A art : {A::BildJpeg, A::BildPng}) {
        const QImage streifen = SetzeSeiteZusammen(art, Karten(4));
        ASSERT_EQ(streifen.size(), QSize(478, 2536));
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(Stelle(streifen, 0, 634 * (k - 1)), std::to_string(k));
    }
}

// Dotted: the line's colour and white alternate from one end of the picture to
// the other; nothing else on the line, the crossing left out.
void PruefeGepunktet(const QImage& bild, bool waagrecht, int wo, QRgb farbe, int kreuzung) {
    const int laenge = waagrecht ? bild.width() : bild.height();
    std::string linie; // 'f' for the line's colour, 'w' for white
    for (int i = 0; i < laenge; ++i) {
        const QRgb p = waagrecht ? Px(bild, i, wo) : Px(bild, wo, i);
        if (i != kreuzung)
            linie += p == farbe ? 'f' : p == Weiss ? 'w' : '?';
    }
    EXPECT_EQ(linie.find('?'), std::string::npos);
    EXPECT_GT(std::count(linie.begin(), linie.end(), 'f'), laenge / 5);
    EXPECT_GT(std::count(linie.begin(), linie.end(), 'w'), laenge / 5);
    EXPECT_LT(linie.find('f'), 4u);
    EXPECT_GT(linie.rfind('f'), std::size_t(laenge - 6));
}

TEST(Kartenbilder, SchnittlinienGepunktetInDenFarbenDesModus) {
    using A = Ausgabeart;
    const QImage blank = SetzeKarteZusammen({});
    // Blank cards, the page's size, the colours of the lines at y = 638 and x = 483; fewer
    // cards clip the lines to a smaller page, and one double sleeve ends above y = 638.
    const std::tuple<A, int, QSize, QRgb, QRgb> faelle[] = {
        {A::ObenGeheftet, 4, {966, 1278}, Blau, Rot},   {A::LinksGeheftet, 4, {966, 1278}, Rot, Blau},
        {A::Doppelhuellen, 4, {966, 1278}, Blau, Blau}, {A::ObenGeheftet, 1, {488, 644}, Blau, Rot},
        {A::LinksGeheftet, 2, {966, 644}, Rot, Blau},   {A::Doppelhuellen, 1, {966, 634}, 0, Blau}};
    for (const auto& [art, anzahl, groesse, waagrecht, senkrecht] : faelle) {
        SCOPED_TRACE(testing::Message() << int(art) << " " << anzahl);
        std::array<QImage, 4> karten;
        std::fill_n(karten.begin(), anzahl, blank);
        const QImage seite = SetzeSeiteZusammen(art, karten);
        ASSERT_EQ(seite.size(), groesse);
        if (waagrecht != 0)
            PruefeGepunktet(seite, true, 638, waagrecht, 483);
        PruefeGepunktet(seite, false, 483, senkrecht, waagrecht != 0 ? 638 : -1);
    }
    // The picture modes draw no lines.
    for (const A art : {A::BildJpeg, A::BildPng})
        EXPECT_EQ(SetzeSeiteZusammen(art, {blank, blank, blank, blank}), Voll(478, 2536, Weiss));
}

} // namespace
TEST(Kartenbilder, SeitenbildUndDirektdruckLesenEineTabelle) {
    using A = Ausgabeart;
    Blattaufteilung& oben = testnaht::AufteilungZumAendern(A::ObenGeheftet);
    const struct Zurueck {
        Blattaufteilung& tabelle;
        const Blattaufteilung alt;
        ~Zurueck() { tabelle = alt; }
    } zurueck{oben, oben};
    // Cards 1 and 4 trade places, card 4 turned; the cut between the rows turns red.
    std::swap(oben.voll[0], oben.voll[3]);
    oben.voll[0].gedreht = true;
    oben.waagrecht = Rot;

    const QImage seite = SetzeSeiteZusammen(A::ObenGeheftet, Karten(4));
    EXPECT_EQ(Plaetze(seite), "4 3 2 1R");
    PruefeGepunktet(seite, true, 638, Rot, 483);
    const Kartenplatz direkt[] = {PlatzDerKarte(A::ObenGeheftet, 1, 4), PlatzDerKarte(A::ObenGeheftet, 4, 4)};
    EXPECT_EQ(direkt[0], (Kartenplatz{1, 1, true}));
    EXPECT_EQ(direkt[1], (Kartenplatz{0, 0, false}));
    // The other layouts keep theirs.
    EXPECT_EQ(Plaetze(SetzeSeiteZusammen(A::LinksGeheftet, Karten(4))), "1 2 3 4");
}

} // namespace senvio
