#include "output/Bildschreiber.h"

#include "output/Bildkodierer.h"
#include "platform/AtomareDatei.h"
#include "platform/Fehler.h"

#include <png.h>

namespace senvio {

namespace {

// libpng's default limit, which it applies to writing too.
constexpr int GroesstePngSeite = PNG_USER_HEIGHT_MAX;

QString Zahl(int n) {
    return QString::number(n);
}

// Refuses a size the format cannot take, before any file is touched.
void PruefeGroesse(Bildformat format, int breite, int hoehe) {
    if (breite <= 0 || hoehe <= 0) {
        throw Fehler(QStringLiteral("Ein Bild von %1 × %2 Pixeln kann nicht geschrieben werden.")
                         .arg(Zahl(breite), Zahl(hoehe)));
    }
    const bool jpeg = format == Bildformat::Jpeg;
    const QString art = jpeg ? QStringLiteral("JPEG") : QStringLiteral("PNG");
    const int grenze = jpeg ? GroessteJpegHoehe : GroesstePngSeite;
    if (hoehe > grenze) {
        QString text = QStringLiteral("Ein %1-Bild kann höchstens %2 Pixel hoch sein, diese Liste ergäbe %3 Pixel.")
                           .arg(art, Zahl(grenze), Zahl(hoehe));
        if (jpeg) {
            text += QStringLiteral(" Als \"PNG-Datei\" lässt sie sich speichern.");
        }
        throw Fehler(text);
    }
    if (breite > grenze) {
        throw Fehler(QStringLiteral("Ein %1-Bild kann höchstens %2 Pixel breit sein, diese Liste ergäbe %3 Pixel.")
                         .arg(art, Zahl(grenze), Zahl(breite)));
    }
}

} // namespace

// The file goes to a temporary file beside the target, which is renamed into place when
// the picture is whole and removed when the writer is destroyed without.
struct Bildschreiber::Zustand {
    Zustand(const QString& p, int b, int h) : pfad(p), breite(b), hoehe(h), datei(p) {}

    QString pfad;
    int breite;
    int hoehe;
    int geschrieben = 0;
    bool kaputt = false;
    bool fertig = false;
    AtomareDatei datei;
    std::unique_ptr<Bildkodierer> kodierer;
};

Bildschreiber::Bildschreiber(const QString& pfad, Bildformat format, int breite, int hoehe) {
    PruefeGroesse(format, breite, hoehe);
    m_zustand = std::make_unique<Zustand>(pfad, breite, hoehe);
    Zustand& z = *m_zustand;
    if (!z.datei.Oeffne()) {
        throw DateiFehler::NichtErstellt(pfad);
    }
    z.kodierer = format == Bildformat::Jpeg ? ErstelleJpegKodierer(z.datei.Geraet(), breite, hoehe)
                                            : ErstellePngKodierer(z.datei.Geraet(), breite, hoehe);
    if (!z.kodierer->Beginne()) {
        throw DateiFehler::NichtErstellt(pfad);
    }
}

Bildschreiber::~Bildschreiber() = default;

void Bildschreiber::SchreibeStreifen(const QImage& streifen) {
    Zustand& z = *m_zustand;
    if (z.kaputt) {
        throw DateiFehler::NichtErstellt(z.pfad);
    }
    if (streifen.width() != z.breite || streifen.height() > z.hoehe - z.geschrieben) {
        throw Fehler(QStringLiteral("Ein Streifen von %1 × %2 Pixeln passt nicht in das Bild von %3 × %4 Pixeln "
                                    "unter die %5 Zeilen, die es schon hat.")
                         .arg(Zahl(streifen.width()), Zahl(streifen.height()), Zahl(z.breite), Zahl(z.hoehe),
                              Zahl(z.geschrieben)));
    }
    const QImage rgb = streifen.convertToFormat(QImage::Format_RGB888);
    if (!z.kodierer->SchreibeZeilen(rgb)) {
        z.kaputt = true;
        throw DateiFehler::NichtErstellt(z.pfad);
    }
    z.geschrieben += rgb.height();
}

void Bildschreiber::Schliesse() {
    Zustand& z = *m_zustand;
    if (z.fertig) {
        return;
    }
    if (z.geschrieben != z.hoehe && !z.kaputt) {
        throw Fehler(
            QStringLiteral("Das Bild %1 hat erst %2 von %3 Zeilen.").arg(z.pfad, Zahl(z.geschrieben), Zahl(z.hoehe)));
    }
    if (z.kaputt || !z.kodierer->Beende() || !z.datei.Uebernimm()) {
        z.kaputt = true;
        throw DateiFehler::NichtErstellt(z.pfad);
    }
    z.fertig = true;
}

} // namespace senvio
