#include "output/Kartenrenderer.h"

#include "list/Zeilenformat.h"
#include "nebenlauf/GeordneteArbeit.h"
#include "output/Kartenbilder.h"
#include "output/Logovorbereitung.h"
#include "pdf/BmpDatei.h"
#include "pdf/PdfFehler.h"
#include "platform/Fehler.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <array>
#include <cstring>
#include <vector>

namespace senvio {

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "QImage::Format_RGB32 must have BildPixel's byte order");

namespace {

int Kartenzahl(const Kartenauftrag& auftrag) {
    return AnzahlKarten(int(auftrag.liste->Anzahl()));
}

// The entry at list position i drawn into a bitmap of its own by the list view's
// routine, not selected; a position beyond the list gives an empty bitmap.
QImage ZeichneEintragsbitmap(const Kartenauftrag& auftrag, int i) {
    if (i >= int(auftrag.liste->Anzahl()) || auftrag.eintragsBreite <= 0)
        return {};
    QImage bild(auftrag.eintragsBreite, ZeilenHoehe, QImage::Format_RGB32);
    QPainter maler(&bild);
    ZeichneEintrag(maler, QRect(0, 0, bild.width(), bild.height()), auftrag.liste->Zeile(i), *auftrag.umgebung,
                   auftrag.schrift, auftrag.grund, auftrag.textfarbe);
    return bild;
}

void SchreibeBitmap(const QImage& bild, const QString& pfad) {
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    const BildPixel pixel{
        rgb.width(), rgb.height(), 4, size_t(rgb.bytesPerLine()), {rgb.constBits(), size_t(rgb.sizeInBytes())}};
    try {
        SchreibeBmp(QFile::encodeName(pfad).toStdString(), pixel);
    } catch (const PdfDateiFehler&) {
        throw DateiFehler::NichtErstellt(pfad);
    }
}

// A card file read back; a null picture when there is none. The file's unused fourth
// bytes are 0, Format_RGB32 wants them 0xFF.
QImage LeseKarte(const QString& pfad, BmpBild& puffer) {
    if (!QFileInfo::exists(pfad))
        return {};
    try {
        LeseBmp(QFile::encodeName(pfad).toStdString(), puffer);
    } catch (const BmpFehler&) {
        throw Fehler(QStringLiteral("Bitmap ist ungültig"));
    }
    QImage bild(puffer.Breite, puffer.Hoehe, QImage::Format_RGB32);
    const size_t breite = size_t(puffer.Breite);
    const std::uint8_t* q = puffer.Pixel.data();
    for (int y = 0; y < bild.height(); ++y) {
        auto* z = reinterpret_cast<QRgb*>(bild.scanLine(y));
        if (puffer.BytesJePixel == 4) {
            std::memcpy(z, q, breite * 4);
            for (size_t x = 0; x < breite; ++x)
                z[x] |= 0xFF000000u;
        } else {
            for (size_t x = 0; x < breite; ++x)
                z[x] = qRgb(q[3 * x + 2], q[3 * x + 1], q[3 * x]);
        }
        q += breite * size_t(puffer.BytesJePixel);
    }
    return bild;
}

} // namespace

std::vector<Logoauftrag> Logoauftraege(const Kartenauftrag& auftrag, int von, int bis) {
    std::vector<Logoauftrag> auftraege;
    for (int i = von; i < bis && i < int(auftrag.liste->Anzahl()); ++i) {
        const ZeilenTeile teile = ZerlegeZeile(auftrag.liste->Zeile(i));
        if (!teile.hatTrenner)
            continue;
        const AufgeloestesLogo logo = LoeseLogopfadAuf(teile.logoPfad, auftrag.umgebung->programmOrdner);
        if (logo.vorhanden)
            auftraege.push_back({i, logo.datei});
    }
    return auftraege;
}

QString Kartendatei(const QString& tempOrdner, int karte, int seite) {
    return tempOrdner + QStringLiteral("/BildNr%1_%2.bmp").arg(karte).arg(seite);
}

QString Seitendatei(const QString& tempOrdner, int seite) {
    return tempOrdner + QStringLiteral("/DINA4_%1.bmp").arg(seite);
}

namespace {

// Draws the page's cards, 15 entries each.
std::vector<QImage> ZeichneKarten(const Kartenauftrag& auftrag, int seite, Logovorbereitung& logos) {
    const int erste = (seite - 1) * EintraegeJeSeite;
    int position = erste;
    const VorratGeliehen geliehen(*auftrag.umgebung, logos, position);
    std::vector<QImage> karten;
    for (int k = 1; k <= Kartenzahl(auftrag); ++k) {
        std::vector<QImage> eintraege(EintraegeJeKarte);
        for (int j = 0; j < EintraegeJeKarte; ++j, ++position)
            eintraege[size_t(j)] = ZeichneEintragsbitmap(auftrag, position);
        karten.push_back(SetzeKarteZusammen(eintraege));
    }
    return karten;
}

// Writes the cards to the temporary folder, composes the page from the card files the
// folder then holds, and writes or hands on the page picture.
void SchreibeSeite(const Kartenauftrag& auftrag, int seite, const std::vector<QImage>& karten) {
    for (size_t k = 0; k < karten.size(); ++k)
        SchreibeBitmap(karten[k], Kartendatei(auftrag.tempOrdner, int(k) + 1, seite));
    BmpBild puffer;
    std::array<QImage, KartenJeSeite> gelesen;
    for (int k = 1; k <= KartenJeSeite; ++k)
        gelesen[size_t(k - 1)] = LeseKarte(Kartendatei(auftrag.tempOrdner, k, seite), puffer);
    const QImage bild = SetzeSeiteZusammen(auftrag.art, gelesen);
    if (IstDruckmodus(auftrag.art))
        SchreibeBitmap(bild, Seitendatei(auftrag.tempOrdner, seite));
    if (!IstDruckmodus(auftrag.art) && auftrag.schreibeBild)
        auftrag.schreibeBild(bild);
    if (IstDruckmodus(auftrag.art) && auftrag.seiteGeschrieben)
        auftrag.seiteGeschrieben(seite);
}

} // namespace

void ErstelleDieBitmaps(const Kartenauftrag& auftrag, int seite) {
    StelleNamenBereit(*auftrag.umgebung, auftrag.liste->Zeilen(), auftrag.schrift);
    const int erste = (seite - 1) * EintraegeJeSeite;
    std::vector<QImage> karten;
    {
        // The workers are joined before the page is composed.
        Logovorbereitung logos(Logoauftraege(auftrag, erste, erste + Kartenzahl(auftrag) * EintraegeJeKarte));
        karten = ZeichneKarten(auftrag, seite, logos);
    }
    SchreibeSeite(auftrag, seite, karten);
}

void ErstelleAlleBitmaps(const Kartenauftrag& auftrag) {
    StelleNamenBereit(*auftrag.umgebung, auftrag.liste->Zeilen(), auftrag.schrift);
    // Two pages ahead keep the workers busy while a page is composed and written.
    Logovorbereitung logos(Logoauftraege(auftrag, 0, int(auftrag.liste->Anzahl())), 2 * EintraegeJeSeite);
    // The pages' files are written on a thread of their own, one page after the other,
    // each job giving its page's number. The next page is drawn meanwhile; a page waits
    // for the one before the last to be written, and an error ends the run with the next
    // page drawn: the writing stops there, so no file of a later page comes.
    GeordneteArbeit<int> schreiber(1);
    for (int seite = 1; seite <= AnzahlSeiten(int(auftrag.liste->Anzahl())); ++seite) {
        schreiber.Gib([&auftrag, seite, karten = ZeichneKarten(auftrag, seite, logos)] {
            SchreibeSeite(auftrag, seite, karten);
            return seite;
        });
        while (schreiber.Offen() > 2 || schreiber.Bereit())
            schreiber.Naechstes();
    }
    while (schreiber.Offen() > 0)
        schreiber.Naechstes();
}

} // namespace senvio
