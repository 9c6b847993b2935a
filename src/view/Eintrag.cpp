#include "view/Eintrag.h"

#include "list/Zeilenformat.h"
#include "view/Logobild.h"
#include "view/Platzhalter.h"
#include "view/PngBild.h"
#include "zwischenspeicher/Logozwischenspeicher.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <map>
#include <tuple>

namespace senvio {

int TextBreite(const QFont& schrift, const QString& text) {
    return Zeilenbreite(schrift, text) + 8;
}

QString Eintragstext(const QString& zeile, const QFont& schrift) {
    return PasseKopfEin(zeile, schrift, Kopfbreite).text;
}

void StelleNamenBereit(Eintragsumgebung& umgebung, const QStringList& zeilen, const QFont& schrift) {
    if (!umgebung.namen || !umgebung.namen->GiltFuer(zeilen, schrift, Kopfbreite))
        umgebung.namen = std::make_shared<const Namenswahl>(zeilen, schrift, Kopfbreite, umgebung.namen.get());
}

void SetzePlatzhalterzaehler(const QString& logoPfad, int& zaehler) {
    if (!IstPlatzhalterpfad(logoPfad)) {
        zaehler = 0;
    } else if (const int nummer = PlatzhalterNummer(logoPfad); nummer > 0) {
        zaehler = nummer;
    }
    if (zaehler < 0 || zaehler > 4)
        zaehler = 0;
}

QImage MacheEintragslogo(const DekodiertesLogo& logo, QSize ziel) {
    // The nearest whole multiple: a box a little smaller than the target costs a tenth of
    // the sharpness, one twice as large four times the work.
    const int mal = std::max({1, (ziel.width() + 70) / 140, (ziel.height() + 50) / 100});
    const QSize kasten(140 * mal, 100 * mal);
    const QSize groesse = EingepassteGroesse(logo.bild.size(), kasten);
    const QRect inhalt(QPoint((kasten.width() - groesse.width()) / 2, (kasten.height() - groesse.height()) / 2),
                       groesse);
    return SkaliereLogoImKasten(logo, kasten, inhalt, ziel);
}

namespace {

// The five placeholders never change: each is made once per thread and size, and a
// printer's PDF then holds each picture once.
const QImage& PlatzhalterLogo(int k, QSize ziel) {
    thread_local std::map<std::tuple<int, int, int>, QImage> fertig;
    if (k < 0 || k >= AnzahlPlatzhalterbilder)
        k = 0;
    QImage& logo = fertig[{k, ziel.width(), ziel.height()}];
    if (logo.isNull())
        logo = MacheEintragslogo({Platzhalterbild(k)}, ziel);
    return logo;
}

// The list font on a printer or PDF writer, whose dots per inch are its own: as large,
// under the painter's scale, as on the list's pictures. The screen keeps it as it is.
QFont SchriftFuerGeraet(const QFont& schrift, const QPainter& maler) {
    static const int bildDpi = QImage(1, 1, QImage::Format_RGB32).logicalDpiY();
    const auto* seiten = dynamic_cast<const QPagedPaintDevice*>(maler.device());
    const int dpi = seiten ? seiten->logicalDpiY() : bildDpi;
    if (dpi == bildDpi || schrift.pointSizeF() <= 0)
        return schrift;
    QFont geraet = schrift;
    geraet.setPointSizeF(schrift.pointSizeF() * bildDpi / dpi);
    return geraet;
}

} // namespace

QImage EintragslogoDerDatei(const QString& datei, QSize ziel) {
    return VorbereitetesLogo(datei, "eintrag", ziel, [ziel](const QString& d) {
        const DekodiertesLogo logo = LeseLogodatei(d);
        return logo.bild.isNull() ? QImage() : MacheEintragslogo(logo, ziel);
    });
}

QSize GeraeteLogogroesse(const QPainter& maler) {
    const QRectF flaeche = maler.combinedTransform().mapRect(QRectF(0, 0, LogoBreite, LogoHoehe));
    return QSize(std::max(1, qRound(flaeche.width())), std::max(1, qRound(flaeche.height())));
}

QImage Eintragslogo(const QString& zeile, Eintragsumgebung& umgebung, QSize ziel) {
    const ZeilenTeile teile = ZerlegeZeile(zeile);
    if (!teile.hatTrenner)
        return {};
    const AufgeloestesLogo logo = LoeseLogopfadAuf(teile.logoPfad, umgebung.programmOrdner);
    SetzePlatzhalterzaehler(teile.logoPfad, umgebung.platzhalterzaehler);
    if (!logo.vorhanden)
        return PlatzhalterLogo(umgebung.platzhalterzaehler, ziel);
    // The same pixels either way: the store holds what EintragslogoDerDatei made.
    QImage fertig = umgebung.vorrat ? umgebung.vorrat(logo.datei) : QImage();
    if (fertig.size() != ziel)
        fertig = EintragslogoDerDatei(logo.datei, ziel);
    return fertig.isNull() ? PlatzhalterLogo(0, ziel) : fertig;
}

void ZeichneEintrag(QPainter& maler, const QRect& rechteck, const QString& zeile, Eintragsumgebung& umgebung,
                    const QFont& schrift, const QColor& grund, const QColor& textfarbe) {
    maler.save();
    maler.fillRect(rechteck, grund);
    const QSize logogroesse = GeraeteLogogroesse(maler);
    const QImage logo = Eintragslogo(zeile, umgebung, logogroesse);
    const QPoint logoort(rechteck.right() + 1 - LogoBreite, rechteck.top());
    if (!logo.isNull() && logogroesse == QSize(LogoBreite, LogoHoehe))
        maler.drawImage(logoort, logo);
    else if (!logo.isNull())
        maler.drawImage(QRectF(logoort, QSizeF(LogoBreite, LogoHoehe)), logo);

    QRect textfeld = rechteck;
    textfeld.setTop(rechteck.top() + LogoHoehe / 4);
    const EingepassterName kopf = PasseKopfEin(zeile, schrift, Kopfbreite, umgebung.namen.get());
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(TabAbstand(kopf.schrift));
    maler.setClipRect(textfeld);
    maler.setFont(SchriftFuerGeraet(kopf.schrift, maler));
    maler.setPen(textfarbe);
    maler.drawText(QRectF(textfeld), kopf.text, option);
    maler.restore();
}

} // namespace senvio
