#include "view/Eintrag.h"

#include "list/Zeilenformat.h"
#include "view/Logobild.h"
#include "view/Logozwischenspeicher.h"
#include "view/Platzhalter.h"
#include "view/PngBild.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>

#include <array>

namespace senvio {

int TabAbstand(const QFont& schrift) {
    return 5 * QFontMetrics(schrift).averageCharWidth();
}

int TextBreite(const QFont& schrift, const QString& text) {
    const QFontMetrics masse(schrift);
    return masse.size(Qt::TextSingleLine | Qt::TextExpandTabs, text, TabAbstand(schrift)).width() + 8;
}

QString Eintragstext(const QString& zeile, const QFont& schrift) {
    QString text = ZerlegeZeile(zeile).kopf;
    if (TextBreite(schrift, text) <= MaxTextBreite)
        return text;
    // Cut from the end until it fits with "…"; a guess from the average width saves most
    // of the measuring on very long lines, the loop makes the result exact.
    const int durchschnitt = std::max(1, QFontMetrics(schrift).averageCharWidth());
    const qsizetype grob = std::max<qsizetype>(1, 4 * (MaxTextBreite / durchschnitt));
    if (text.size() > grob) {
        const QString kurz = text.left(grob);
        if (TextBreite(schrift, kurz) > MaxTextBreite)
            text = kurz;
    }
    // The sign that something is missing only drawn, never stored: it would not survive
    // the list file's code page.
    const QString auslassung = QStringLiteral("…");
    while (!text.isEmpty() && TextBreite(schrift, text + auslassung) > MaxTextBreite)
        text.chop(1);
    return text + auslassung;
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

QImage MacheEintragslogo(const DekodiertesLogo& logo) {
    const QSize kasten(140, 100);
    const QSize groesse = EingepassteGroesse(logo.bild.size(), kasten);
    const QRect inhalt(QPoint((kasten.width() - groesse.width()) / 2, (kasten.height() - groesse.height()) / 2),
                       groesse);
    return SkaliereLogoImKasten(logo, kasten, inhalt, QSize(LogoBreite, LogoHoehe));
}

namespace {

// The five placeholders never change: each is made once per thread.
const QImage& PlatzhalterLogo(int k) {
    thread_local std::array<QImage, AnzahlPlatzhalterbilder> fertig;
    QImage& logo = fertig[size_t(k >= 0 && k < AnzahlPlatzhalterbilder ? k : 0)];
    if (logo.isNull())
        logo = MacheEintragslogo({Platzhalterbild(k)});
    return logo;
}

} // namespace

QImage EintragslogoDerDatei(const QString& datei) {
    return VorbereitetesLogo(datei, "eintrag", QSize(LogoBreite, LogoHoehe), [](const QString& d) {
        const DekodiertesLogo logo = LeseLogodatei(d);
        return logo.bild.isNull() ? QImage() : MacheEintragslogo(logo);
    });
}

QImage Eintragslogo(const QString& zeile, Eintragsumgebung& umgebung) {
    const ZeilenTeile teile = ZerlegeZeile(zeile);
    if (!teile.hatTrenner)
        return {};
    const AufgeloestesLogo logo = LoeseLogopfadAuf(teile.logoPfad, umgebung.programmOrdner);
    SetzePlatzhalterzaehler(teile.logoPfad, umgebung.platzhalterzaehler);
    if (!logo.vorhanden)
        return PlatzhalterLogo(umgebung.platzhalterzaehler);
    // The same pixels either way: the store holds what EintragslogoDerDatei made.
    QImage fertig = umgebung.vorrat ? umgebung.vorrat(logo.datei) : QImage();
    if (fertig.isNull())
        fertig = EintragslogoDerDatei(logo.datei);
    return fertig.isNull() ? PlatzhalterLogo(0) : fertig;
}

void ZeichneEintrag(QPainter& maler, const QRect& rechteck, const QString& zeile, Eintragsumgebung& umgebung,
                    const QFont& schrift, const QColor& grund, const QColor& textfarbe) {
    maler.save();
    maler.fillRect(rechteck, grund);
    const QImage logo = Eintragslogo(zeile, umgebung);
    if (!logo.isNull())
        maler.drawImage(rechteck.right() + 1 - LogoBreite, rechteck.top(), logo);

    QRect textfeld = rechteck;
    textfeld.setTop(rechteck.top() + LogoHoehe / 4);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(TabAbstand(schrift));
    maler.setClipRect(textfeld);
    maler.setFont(schrift);
    maler.setPen(textfarbe);
    maler.drawText(QRectF(textfeld), Eintragstext(zeile, schrift), option);
    maler.restore();
}

} // namespace senvio
