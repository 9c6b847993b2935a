#include "output/Grossdruck.h"

#include "view/Namenseinpassung.h"

#include "list/Zeilenformat.h"
#include "output/Logovorbereitung.h"
#include "platform/Fehler.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace senvio {

namespace {

// The painter draws a card in tenths of a point from its corner.
constexpr double ZpJeMm = 720 / 25.4;
constexpr double KarteBreite = 105 * ZpJeMm;
constexpr double KarteHoehe = 148 * ZpJeMm;
constexpr double Rand = 4 * ZpJeMm;
constexpr double InnenBreite = KarteBreite - 2 * Rand;
constexpr double InnenHoehe = KarteHoehe - 2 * Rand;
constexpr double KopfHoehe = 240; // the header line, its rule and the room below
constexpr double Zeilenflaeche = InnenHoehe - KopfHoehe;
constexpr double Grundzeile = Zeilenflaeche / GrossEintraegeJeKarte;
constexpr double Spaltenabstand = 40;
// The logo in the 3 : 2 of the item logo, as large as leaves a name of two lines such as
// "Bayerisches Fernsehen Süd HD" its room beside a number of two digits.
constexpr double LogoBreiteZp = 360;
constexpr double LogoHoeheZp = 240;
constexpr double ZeilenLuft = 90;   // above and below the name lines of a row that grows, together
constexpr double Linienstaerke = 8; // the header's rule

// The number of an entry as its prefix gives it ("  12   = "), else its place in the list.
QString NummerDer(const QString& zeile, int position) {
    QString praefix = ZerlegeZeile(zeile).praefix.trimmed();
    if (praefix.endsWith(u'='))
        praefix.chop(1);
    praefix = praefix.trimmed();
    return praefix.isEmpty() ? QString::number(position + 1) : praefix;
}

// A name's columns (tabs) become blanks: large print has no columns.
QString NameDer(const Kartenauftrag& auftrag, int i) {
    const QString kurz = i < auftrag.kurznamen.size() ? auftrag.kurznamen[i].trimmed() : QString();
    QString name = kurz.isEmpty() ? ZerlegeZeile(auftrag.liste->Zeile(i)).name : kurz;
    name.replace(u'\t', u' ');
    return name.simplified();
}

// What a row shows and how high it is.
struct Grosszeile {
    QString nummer;
    QStringList name;
    double hoehe = Grundzeile;
};

class Grosssatz {
public:
    explicit Grosssatz(const Kartenauftrag& auftrag)
        : m_auftrag(auftrag), m_name(Grossschrift(GrossNamePunkt)), m_nummer(Grossschrift(GrossNummerPunkt)),
          m_kopf(Grossschrift(GrossKopfPunkt)) {}

    int Anzahl() const { return int(m_auftrag.liste->Anzahl()); }
    QString Nummer(int i) const { return NummerDer(m_auftrag.liste->Zeile(i), i); }

    // The number column of a card from `erster`: as wide as the widest of the numbers it can hold.
    double Nummernbreite(int erster) const {
        const QFontMetricsF masse(m_nummer);
        double breite = 0;
        for (int i = erster; i < std::min(Anzahl(), erster + GrossEintraegeJeKarte); ++i)
            breite = std::max(breite, masse.horizontalAdvance(Nummer(i)));
        return breite;
    }
    double Namensbreite(double nummernbreite) const {
        return InnenBreite - nummernbreite - 2 * Spaltenabstand - LogoBreiteZp;
    }

    Grosszeile Zeile(int i, double nummernbreite) const {
        Grosszeile zeile{Nummer(i), Grossdruckzeilen(NameDer(m_auftrag, i), m_name, Namensbreite(nummernbreite))};
        zeile.hoehe = std::max(Grundzeile, zeile.name.size() * QFontMetricsF(m_name).lineSpacing() + ZeilenLuft);
        return zeile;
    }

    std::vector<Grosskarte> Karten() const {
        std::vector<Grosskarte> karten;
        for (int erster = 0; erster < Anzahl();) {
            const double nummernbreite = Nummernbreite(erster);
            Grosskarte karte{erster, 0};
            for (double belegt = 0; karte.anzahl < GrossEintraegeJeKarte && erster + karte.anzahl < Anzahl();
                 ++karte.anzahl) {
                belegt += Zeile(erster + karte.anzahl, nummernbreite).hoehe;
                if (belegt > Zeilenflaeche + 0.01 && karte.anzahl > 0)
                    break;
            }
            karten.push_back(karte);
            erster += karte.anzahl;
        }
        return karten;
    }

    void ZeichneKarte(QPainter& maler, const Grosskarte& karte, Logovorbereitung& logos) const {
        ZeichneKopf(maler, karte);
        const double nummernbreite = Nummernbreite(karte.erster);
        const QFontMetricsF nummer(m_nummer), name(m_name);
        double oben = Rand + KopfHoehe;
        for (int i = karte.erster; i < karte.erster + karte.anzahl; ++i) {
            const Grosszeile zeile = Zeile(i, nummernbreite);
            const double mitte = oben + zeile.hoehe / 2;
            maler.setFont(m_nummer);
            maler.drawText(QPointF(Rand + nummernbreite - nummer.horizontalAdvance(zeile.nummer),
                                   mitte + (nummer.ascent() - nummer.descent()) / 2),
                           zeile.nummer);
            maler.setFont(m_name);
            const double block = zeile.name.size() * name.lineSpacing();
            for (qsizetype k = 0; k < zeile.name.size(); ++k)
                maler.drawText(QPointF(Rand + nummernbreite + Spaltenabstand,
                                       mitte - block / 2 + k * name.lineSpacing() + name.ascent()),
                               zeile.name[k]);
            ZeichneLogo(maler, i,
                        QRectF(KarteBreite - Rand - LogoBreiteZp, mitte - LogoHoeheZp / 2, LogoBreiteZp, LogoHoeheZp),
                        logos);
            oben += zeile.hoehe;
        }
    }

    // "So geht's" and the lines of the back side, each its key label in bold and what it does.
    void ZeichneRueckseite(QPainter& maler) const {
        const QFont titel = Grossschrift(GrossNummerPunkt);
        maler.setFont(titel);
        double oben = Rand;
        maler.drawText(QPointF(Rand, oben + QFontMetricsF(titel).ascent()), RueckseiteTitel);
        oben += QFontMetricsF(titel).lineSpacing() + 60;
        const QFont wirkung = Grossschrift(GrossNamePunkt, false);
        const double zeilenabstand = QFontMetricsF(m_name).lineSpacing();
        for (const Rueckseitenzeile& z : m_auftrag.rueckseite) {
            const QString taste = z.taste.isEmpty() ? QString() : z.taste + QStringLiteral(": ");
            QTextLayout satz(taste + z.wirkung, wirkung);
            QTextLayout::FormatRange fett{0, int(taste.size()), {}};
            fett.format.setFont(m_name);
            satz.setFormats({fett});
            QTextOption umbruch;
            umbruch.setWrapMode(QTextOption::WordWrap);
            satz.setTextOption(umbruch);
            satz.beginLayout();
            double hoehe = 0;
            for (QTextLine linie = satz.createLine(); linie.isValid(); linie = satz.createLine()) {
                linie.setLineWidth(InnenBreite);
                linie.setPosition(QPointF(0, hoehe));
                hoehe += zeilenabstand;
            }
            satz.endLayout();
            // Room to write on by hand after a label without text ("Hilfe:").
            if (z.wirkung.isEmpty())
                hoehe += zeilenabstand;
            if (oben + hoehe > KarteHoehe - Rand)
                break;
            satz.draw(&maler, QPointF(Rand, oben));
            oben += hoehe + 40;
        }
    }

private:
    void ZeichneKopf(QPainter& maler, const Grosskarte& karte) const {
        const QFontMetricsF masse(m_kopf);
        const QString erste = Nummer(karte.erster), letzte = Nummer(karte.erster + karte.anzahl - 1);
        const QString bereich = erste == letzte ? erste : erste + QStringLiteral("–") + letzte;
        const double bereichBreite = masse.horizontalAdvance(bereich);
        const QString name =
            masse.elidedText(m_auftrag.listenname, Qt::ElideRight, InnenBreite - bereichBreite - 2 * Spaltenabstand);
        maler.setFont(m_kopf);
        const double grundlinie = Rand + masse.ascent();
        maler.drawText(QPointF(Rand, grundlinie), name);
        maler.drawText(QPointF(KarteBreite - Rand - bereichBreite, grundlinie), bereich);
        const double strich = Rand + masse.height() + 20;
        maler.fillRect(QRectF(Rand, strich, InnenBreite, Linienstaerke), Qt::black);
    }

    // Only a logo of the entry's own: a placeholder would be a coloured patch without meaning.
    void ZeichneLogo(QPainter& maler, int i, const QRectF& ort, Logovorbereitung& logos) const {
        const ZeilenTeile teile = ZerlegeZeile(m_auftrag.liste->Zeile(i));
        SetzePlatzhalterzaehler(teile.logoPfad, m_auftrag.umgebung->platzhalterzaehler);
        if (!teile.hatTrenner)
            return;
        const AufgeloestesLogo logo = LoeseLogopfadAuf(teile.logoPfad, m_auftrag.umgebung->programmOrdner);
        if (!logo.vorhanden)
            return;
        const QImage bild = logos.Hole(i, logo.datei);
        if (!bild.isNull())
            maler.drawImage(ort, bild);
    }

    const Kartenauftrag& m_auftrag;
    const QFont m_name;
    const QFont m_nummer;
    const QFont m_kopf;
};

// From tenths of a point on card place `platz` to the device.
QTransform Grosstransformation(double pixelJeZpX, double pixelJeZpY, const Kartenplatz& platz) {
    QTransform t = QTransform::fromScale(pixelJeZpX, pixelJeZpY);
    t.translate(platz.spalte * KarteBreite, platz.zeile * KarteHoehe);
    if (platz.gedreht) {
        t.translate(KarteBreite, KarteHoehe);
        t.rotate(180);
    }
    return t;
}

} // namespace

QFont Grossschrift(double punkt, bool fett) {
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(qRound(punkt * 10));
    schrift.setBold(fett);
    // Widths as the font's outlines have them, on paper and in measuring alike.
    schrift.setHintingPreference(QFont::PreferNoHinting);
    schrift.setKerning(false);
    return schrift;
}

QString KuerzeFuerGrossdruck(const QString& text, const QFont& schrift, double breite) {
    // The rule for shortened names (the start and the distinguishing end kept, the middle left
    // out), without narrowing the type: large print keeps its letters as wide as they are.
    Einpassvorgabe vorgabe;
    vorgabe.mindestBreiteProzent = 100;
    const QString gekuerzt = PasseNamenEin(text, schrift, int(breite), vorgabe).text;
    // A second line is narrow for a long start: where the rule had to cut into the last word,
    // the start gives way instead ("Niedersa… Hannover"), so that the end stays whole.
    const QString ende = text.section(u' ', -1);
    if (gekuerzt.endsWith(ende))
        return gekuerzt;
    const QFontMetricsF masse(schrift);
    const QString mitte = QStringLiteral("… ") + ende;
    if (masse.horizontalAdvance(mitte) > breite)
        return gekuerzt;
    qsizetype anfang = text.size() - ende.size();
    while (anfang > 0 && masse.horizontalAdvance(text.left(anfang).trimmed() + mitte) > breite)
        --anfang;
    return text.left(anfang).trimmed() + mitte;
}

QStringList Grossdruckzeilen(const QString& name, const QFont& schrift, double breite) {
    QTextLayout satz(name, schrift);
    QTextOption umbruch;
    umbruch.setWrapMode(QTextOption::WordWrap);
    satz.setTextOption(umbruch);
    satz.beginLayout();
    QStringList zeilen;
    QList<int> anfaenge;
    bool zuBreit = false;
    for (QTextLine linie = satz.createLine(); linie.isValid(); linie = satz.createLine()) {
        linie.setLineWidth(breite);
        zuBreit = zuBreit || linie.naturalTextWidth() > breite + 0.01;
        anfaenge << linie.textStart();
        zeilen << name.mid(linie.textStart(), linie.textLength()).trimmed();
    }
    satz.endLayout();
    if (zeilen.size() <= 2 && !zuBreit)
        return zeilen;
    // A word wider than a line: the name shortened onto one line.
    if (QFontMetricsF(schrift).horizontalAdvance(zeilen.value(0)) > breite + 0.01)
        return {KuerzeFuerGrossdruck(name, schrift, breite)};
    return {zeilen[0], KuerzeFuerGrossdruck(name.mid(anfaenge.value(1)).trimmed(), schrift, breite)};
}

std::vector<Grosskarte> TeileInGrosskarten(const Kartenauftrag& auftrag) {
    return Grosssatz(auftrag).Karten();
}

bool ZeichneGrossdruck(QPagedPaintDevice& geraet, const Kartenauftrag& auftrag, const Blattwahl& wahl,
                       const std::function<bool(int, int)>& weiter) {
    QPainter maler;
    if (!maler.begin(&geraet))
        throw Fehler(QStringLiteral("Der Druck kann nicht beginnen."));
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    maler.setPen(Qt::black);
    const Grosssatz satz(auftrag);
    const std::vector<Grosskarte> karten = satz.Karten();
    const double x = geraet.logicalDpiX() / 720.0, y = geraet.logicalDpiY() / 720.0;
    const QSize logogroesse(qRound(LogoBreiteZp * x), qRound(LogoHoeheZp * y));
    Logovorbereitung logos(Logoauftraege(auftrag, 0, satz.Anzahl()), 4 * GrossEintraegeJeKarte, logogroesse);

    const int vor = std::clamp(wahl.startKarte, 1, 4) - 1;
    const int blaetter = karten.empty() ? 0 : (vor + int(karten.size()) + 3) / 4;
    const int seitenJeBlatt = wahl.rueckseite ? 2 : 1;
    for (int blatt = 0; blatt < blaetter; ++blatt) {
        const int erste = std::max(0, 4 * blatt - vor);
        const int letzte = std::min(int(karten.size()), 4 * (blatt + 1) - vor);
        for (int seite = 0; seite < seitenJeBlatt; ++seite) {
            const int nummer = blatt * seitenJeBlatt + seite + 1;
            if (weiter && !weiter(nummer, blaetter * seitenJeBlatt))
                return false;
            if (nummer > 1)
                geraet.newPage();
            for (int k = erste; k < letzte; ++k) {
                Kartenplatz platz = PlatzDerKarte(Ausgabeart::Grossdruck, (vor + k) % 4 + 1, 4);
                // Printed on both sides along the long edge, the back of a card lies mirrored left-right.
                if (seite == 1)
                    platz.spalte = 1 - platz.spalte;
                maler.setWorldTransform(Grosstransformation(x, y, platz));
                maler.setClipRect(QRectF(0, 0, KarteBreite, KarteHoehe));
                maler.setPen(Qt::black); // the cut lines of the sheet before leave theirs
                if (seite == 0)
                    satz.ZeichneKarte(maler, karten[size_t(k)], logos);
                else
                    satz.ZeichneRueckseite(maler);
                maler.setClipping(false);
            }
            if (seite == 0 && wahl.schnittlinien)
                ZeichneSchnittlinien(maler, QSizeF(geraet.logicalDpiX(), geraet.logicalDpiY()) / 25.4,
                                     Ausgabeart::Grossdruck);
        }
    }
    return maler.end();
}

} // namespace senvio
