#include "output/Blattdruck.h"

#include "output/Grossdruck.h"
#include "output/Kartenbilder.h"
#include "platform/AtomareDatei.h"
#include "platform/Fehler.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace senvio {

namespace {

constexpr double SchnittlinieMm = 0.3;
// Logos of a PDF file: sharp on paper, and a few megabytes for a long list.
constexpr int PdfDpi = 300;

int AnzahlKartenDerListe(int eintraege) {
    return (eintraege + EintraegeJeKarte - 1) / EintraegeJeKarte;
}

// From a card's pixels to the device: the sheet in millimetres, the card's place on it
// (turned about its middle), the card picture scaled to fit 105 × 148 mm and centred.
QTransform Kartentransformation(QSizeF pixelJeMm, const Kartenplatz& platz, QSize karte) {
    const double mass = std::min(KarteBreiteMm / karte.width(), KarteHoeheMm / karte.height());
    QTransform t;
    t.scale(pixelJeMm.width(), pixelJeMm.height());
    t.translate(platz.spalte * KarteBreiteMm, platz.zeile * KarteHoeheMm);
    if (platz.gedreht) {
        t.translate(KarteBreiteMm, KarteHoeheMm);
        t.rotate(180);
    }
    t.translate((KarteBreiteMm - karte.width() * mass) / 2, (KarteHoeheMm - karte.height() * mass) / 2);
    t.scale(mass, mass);
    return t;
}

// One sheet's cards, in the order of the list; `position` follows the entry being drawn
// for the logos made ahead.
class Blattzeichner {
public:
    Blattzeichner(QPainter& maler, QSizeF pixelJeMm, const Kartenauftrag& auftrag, const Blattwahl& wahl)
        : m_maler(maler), m_pixelJeMm(pixelJeMm), m_auftrag(auftrag), m_wahl(wahl),
          m_eintraege(int(auftrag.liste->Anzahl())),
          m_karte(std::max(auftrag.eintragsBreite, KartenBreite), KartenHoehe) {}

    QSize Logogroesse() const {
        const QRectF logo = Kartentransformation(m_pixelJeMm, {}, m_karte).mapRect(QRectF(0, 0, LogoBreite, LogoHoehe));
        return QSize(std::max(1, qRound(logo.width())), std::max(1, qRound(logo.height())));
    }

    void ZeichneBlatt(int blatt, int& position) {
        const int karten = AnzahlKartenDerListe(m_eintraege);
        const int vor = m_wahl.startKarte - 1;
        const int erster = std::max(0, 4 * (blatt - 1) - vor);
        const int letzter = std::min(karten, 4 * blatt - vor); // exclusive
        // Past 60 entries every page picture has four cards; a list's last sheet has as many as it holds.
        const int hoechster = m_eintraege >= EintraegeJeSeite || letzter < karten ? 4 : (vor + letzter - 1) % 4 + 1;
        for (int karte = erster; karte < letzter; ++karte) {
            const Kartenplatz platz = PlatzDerKarte(m_wahl.art, (vor + karte) % 4 + 1, hoechster);
            ZeichneKarte(Kartentransformation(m_pixelJeMm, platz, m_karte), karte, position);
        }
        if (m_wahl.schnittlinien)
            ZeichneSchnittlinien(m_maler, m_pixelJeMm, m_wahl.art);
    }

private:
    void ZeichneKarte(const QTransform& transformation, int karte, int& position) {
        m_maler.setWorldTransform(transformation);
        m_maler.setClipRect(QRect(QPoint(0, 0), m_karte));
        for (int j = 0; j < EintraegeJeKarte; ++j) {
            position = karte * EintraegeJeKarte + j;
            if (position >= m_eintraege || m_auftrag.eintragsBreite <= 0)
                break;
            ZeichneEintrag(m_maler, QRect(0, j * ZeilenHoehe, m_auftrag.eintragsBreite, ZeilenHoehe),
                           m_auftrag.liste->Zeile(position), *m_auftrag.umgebung, m_auftrag.schrift, m_auftrag.grund,
                           m_auftrag.textfarbe);
        }
        m_maler.setClipping(false);
    }

    QPainter& m_maler;
    const QSizeF m_pixelJeMm;
    const Kartenauftrag& m_auftrag;
    const Blattwahl& m_wahl;
    const int m_eintraege;
    const QSize m_karte;
};

} // namespace

void ZeichneSchnittlinien(QPainter& maler, QSizeF pixelJeMm, Ausgabeart art) {
    const Blattaufteilung* aufteilung = AufteilungFuer(art);
    if (!aufteilung)
        return;
    maler.setWorldTransform(QTransform::fromScale(pixelJeMm.width(), pixelJeMm.height()));
    maler.setPen(QPen(aufteilung->waagrecht, SchnittlinieMm, Qt::DotLine, Qt::FlatCap));
    maler.drawLine(QLineF(0, KarteHoeheMm, 2 * KarteBreiteMm, KarteHoeheMm));
    maler.setPen(QPen(aufteilung->senkrecht, SchnittlinieMm, Qt::DotLine, Qt::FlatCap));
    maler.drawLine(QLineF(KarteBreiteMm, 0, KarteBreiteMm, 2 * KarteHoeheMm + 1));
}

int AnzahlBlaetter(int eintraege, int startKarte) {
    const int karten = AnzahlKartenDerListe(eintraege);
    return karten == 0 ? 0 : (std::clamp(startKarte, 1, 4) - 1 + karten + 3) / 4;
}

void RichteA4Ein(QPagedPaintDevice& geraet) {
    geraet.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

bool ZeichneBlaetter(QPagedPaintDevice& geraet, const Kartenauftrag& auftrag, const Blattwahl& eingabe,
                     const std::function<bool(int, int)>& weiter) {
    Blattwahl wahl = eingabe;
    wahl.startKarte = std::clamp(wahl.startKarte, 1, 4);
    if (wahl.art == Ausgabeart::Grossdruck)
        return ZeichneGrossdruck(geraet, auftrag, wahl, weiter);
    StelleNamenBereit(*auftrag.umgebung, auftrag.liste->Zeilen(), auftrag.schrift);
    QPainter maler;
    if (!maler.begin(&geraet))
        throw Fehler(QStringLiteral("Der Druck kann nicht beginnen."));
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    // A printer may have other dots per inch across than down.
    Blattzeichner zeichner(maler, QSizeF(geraet.logicalDpiX(), geraet.logicalDpiY()) / 25.4, auftrag, wahl);

    // The logos of the coming entries are made on every core at the device's size.
    const int eintraege = int(auftrag.liste->Anzahl());
    Logovorbereitung logos(Logoauftraege(auftrag, 0, eintraege), 2 * EintraegeJeSeite, zeichner.Logogroesse());
    int position = 0;
    const VorratGeliehen geliehen(*auftrag.umgebung, logos, position);
    const int blaetter = AnzahlBlaetter(eintraege, wahl.startKarte);
    for (int blatt = 1; blatt <= blaetter; ++blatt) {
        if (weiter && !weiter(blatt, blaetter))
            return false;
        if (blatt > 1)
            geraet.newPage();
        zeichner.ZeichneBlatt(blatt, position);
    }
    return maler.end();
}

void SchreibeBlattPdf(const Kartenauftrag& auftrag, const Blattwahl& wahl, const QString& pfad) {
    AtomareDatei datei(pfad);
    if (!datei.Oeffne())
        throw DateiFehler::NichtErstellt(pfad);
    {
        QPdfWriter pdf(&datei.Geraet());
        pdf.setResolution(PdfDpi);
        pdf.setCreator(QStringLiteral("Senvio"));
        RichteA4Ein(pdf);
        ZeichneBlaetter(pdf, auftrag, wahl);
    }
    if (!datei.Uebernimm())
        throw DateiFehler::NichtErstellt(pfad);
}

} // namespace senvio
