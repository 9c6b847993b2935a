#include "output/Kartenbilder.h"

#include "output/Blattaufteilung.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstring>

namespace senvio {

namespace {

constexpr int VolleSeiteBreite = 2 * KartenBreite + Kartenabstand;
constexpr int VolleSeiteHoehe = 2 * KartenHoehe + Kartenabstand;

QImage WeissesBild(int breite, int hoehe) {
    if (breite <= 0 || hoehe <= 0)
        return {};
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

// A composition worked out on places before any pixel moves, so that a page is
// painted once into one picture: joining pictures of 5 MB one pair at a time costs
// more in fresh memory than in copying. Each part keeps the rectangle it may still
// show, which every join cuts down to the first operand's size.
struct Teil {
    QImage bild; // Format_RGB32
    QPoint ort;
    QRect sichtbar;
};

struct Anordnung {
    QSize groesse{0, 0};
    std::vector<Teil> teile;
};

Anordnung Einzeln(const QImage& bild) {
    if (bild.isNull())
        return {};
    return {bild.size(), {{bild.convertToFormat(QImage::Format_RGB32), QPoint(0, 0), bild.rect()}}};
}

// b moved by the offset joins a; the whole is `groesse`, and b shows only inside it.
Anordnung Verbinde(Anordnung a, const Anordnung& b, QPoint versatz, QSize groesse) {
    const QRect rahmen(QPoint(0, 0), groesse);
    for (Teil& teil : a.teile)
        teil.sichtbar &= rahmen;
    for (const Teil& teil : b.teile)
        a.teile.push_back({teil.bild, teil.ort + versatz, teil.sichtbar.translated(versatz) & rahmen});
    a.groesse = groesse;
    return a;
}

// a beside b with the gap between, as high as a; a above b, as wide as a.
Anordnung Neben(const Anordnung& a, const Anordnung& b) {
    const int x = a.groesse.width() + Kartenabstand;
    return Verbinde(a, b, QPoint(x, 0), QSize(x + b.groesse.width(), a.groesse.height()));
}

Anordnung Unter(const Anordnung& a, const Anordnung& b, int abstand) {
    const int y = a.groesse.height() + abstand;
    return Verbinde(a, b, QPoint(0, y), QSize(a.groesse.width(), y + b.groesse.height()));
}

// White, then every part's visible rows copied in; RGB32 onto RGB32 is a plain copy.
QImage Male(const Anordnung& anordnung) {
    QImage bild = WeissesBild(anordnung.groesse.width(), anordnung.groesse.height());
    for (const Teil& teil : anordnung.teile) {
        const QRect ziel = QRect(teil.ort, teil.bild.size()) & teil.sichtbar;
        for (int y = ziel.top(); y <= ziel.bottom(); ++y) {
            const auto* quelle = reinterpret_cast<const QRgb*>(teil.bild.constScanLine(y - teil.ort.y()));
            auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
            std::memcpy(zeile + ziel.left(), quelle + (ziel.left() - teil.ort.x()), size_t(ziel.width()) * 4);
        }
    }
    return bild;
}

// R(C): the card turned by 180°.
Anordnung Gedreht(const QImage& karte) {
    QImage bild = karte;
    DreheRechts(bild);
    DreheRechts(bild);
    return Einzeln(bild);
}

// The cards at their places of the layout, row by row. A free place left of a card keeps its
// room as a white card; the lower row comes from as many cards on as the layout says.
Anordnung NachAufteilung(const Blattaufteilung& aufteilung, const std::array<QImage, KartenJeSeite>& karten) {
    int anzahl = KartenJeSeite;
    while (anzahl > 0 && karten[size_t(anzahl - 1)].isNull())
        --anzahl;
    const std::array<Kartenplatz, 4>& plaetze = anzahl >= KartenJeSeite ? aufteilung.voll : aufteilung.teil;
    Anordnung zellen[2][2];
    for (int k = 0; k < anzahl; ++k) {
        const Kartenplatz& platz = plaetze[size_t(k)];
        zellen[platz.zeile][platz.spalte] = platz.gedreht ? Gedreht(karten[size_t(k)]) : Einzeln(karten[size_t(k)]);
    }
    for (auto& reihe : zellen)
        if (reihe[0].teile.empty() && !reihe[1].teile.empty())
            reihe[0] = Einzeln(WeissesBild(KartenBreite, KartenHoehe));
    const Anordnung oben = Neben(zellen[0][0], zellen[0][1]);
    if (anzahl < aufteilung.untereReiheAb)
        return oben;
    return Unter(oben, Neben(zellen[1][0], zellen[1][1]), Kartenabstand);
}

// Dotted, 1 pixel wide, at the places of a full page whatever the picture's size.
void ZeichneSchnittlinien(QImage& seite, const QColor& waagrecht, const QColor& senkrecht) {
    if (seite.isNull())
        return;
    QPainter maler(&seite);
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setPen(QPen(waagrecht, 1, Qt::DotLine));
    maler.drawLine(0, SchnittY, VolleSeiteBreite, SchnittY);
    maler.setPen(QPen(senkrecht, 1, Qt::DotLine));
    maler.drawLine(SchnittX, 0, SchnittX, VolleSeiteHoehe);
}

} // namespace

int AnzahlKarten(int n) {
    if (n >= EintraegeJeSeite)
        return KartenJeSeite;
    if (n == 3 * EintraegeJeKarte)
        return 3;
    return n / EintraegeJeKarte + 1;
}

int AnzahlSeiten(int n) {
    return n <= 0 ? 0 : (n + EintraegeJeSeite - 1) / EintraegeJeSeite;
}

QImage SetzeKarteZusammen(const std::vector<QImage>& eintraege) {
    // The stack is as wide as its first entry; only its top 634 rows stay.
    const int breite = eintraege.empty() ? 0 : eintraege.front().width();
    QImage karte = WeissesBild(std::max(breite, KartenBreite), KartenHoehe);
    QPainter maler(&karte);
    maler.setCompositionMode(QPainter::CompositionMode_Source);
    maler.setClipRect(0, 0, breite, KartenHoehe);
    int y = 0;
    for (const QImage& eintrag : eintraege) {
        if (y >= KartenHoehe)
            break;
        if (!eintrag.isNull())
            maler.drawImage(0, y, eintrag);
        y += eintrag.height();
    }
    return karte;
}

void DreheRechts(QImage& bild) {
    if (bild.isNull())
        return;
    const QImage quelle = bild.convertToFormat(QImage::Format_RGB32);
    const int w = quelle.width();
    const int h = quelle.height();
    QImage ergebnis(h, w, QImage::Format_RGB32);
    const auto* q = reinterpret_cast<const QRgb*>(quelle.constBits());
    const qsizetype qAbstand = quelle.bytesPerLine() / 4;
    auto* z = reinterpret_cast<QRgb*>(ergebnis.bits());
    const qsizetype zAbstand = ergebnis.bytesPerLine() / 4;
    // result(x, y) = source(y, h − 1 − x), in tiles so that both pictures stay in the cache.
    constexpr int Kachel = 32;
    for (int y0 = 0; y0 < w; y0 += Kachel)
        for (int x0 = 0; x0 < h; x0 += Kachel)
            for (int y = y0; y < std::min(y0 + Kachel, w); ++y)
                for (int x = x0; x < std::min(x0 + Kachel, h); ++x)
                    z[y * zAbstand + x] = q[(h - 1 - x) * qAbstand + y];
    bild = std::move(ergebnis);
}

QImage SetzeSeiteZusammen(Ausgabeart art, const std::array<QImage, KartenJeSeite>& karten) {
    if (const Blattaufteilung* aufteilung = AufteilungFuer(art)) {
        QImage seite = Male(NachAufteilung(*aufteilung, karten));
        ZeichneSchnittlinien(seite, aufteilung->waagrecht, aufteilung->senkrecht);
        return seite;
    }
    // The picture modes stack the cards.
    const auto c = [&karten](int k) { return Einzeln(karten[size_t(k - 1)]); };
    return Male(Unter(Unter(Unter(c(1), c(2), 0), c(3), 0), c(4), 0));
}

} // namespace senvio
