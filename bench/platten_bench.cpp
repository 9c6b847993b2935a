// Counts the logos that are drawn on the dark plate, in the demo program folder that
// senvio-demo makes, in the generated logo collection of the other benchmarks, in a
// generated set of logos made for dark screens and in generated 800 × 450 logos of the
// kinds real collections hold, or in the folders given; and times decoding with the
// classification against decoding alone. Prints figures only.
//
//   platten-bench [Ordner …]

#include "Benchlogos.h"

#include "view/PngBild.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <numbers>
#include <vector>

namespace {

using namespace senvio;

QStringList PngDateien(const QString& ordner) {
    QStringList dateien;
    QDirIterator it(ordner, {QStringLiteral("*.png"), QStringLiteral("*.PNG")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        dateien.append(it.next());
    dateien.sort();
    return dateien;
}

void ZaehlePlatten(const QString& name, const QString& ordner) {
    int platten = 0, lesbar = 0;
    const QStringList dateien = PngDateien(ordner);
    for (const QString& datei : dateien) {
        const DekodiertesLogo logo = LeseLogodatei(datei);
        lesbar += !logo.bild.isNull();
        platten += logo.hell;
    }
    std::printf("%-34s %4lld Logos, %4d lesbar, %4d auf der Platte\n", qPrintable(name),
                static_cast<long long>(dateien.size()), lesbar, platten);
}

// The kinds of 800 × 450 logos, all but the opaque ones on a transparent ground, each
// with the side of the plate it belongs on.
struct Logoart {
    const char* name;
    bool platte;
};
const Logoart Logoarten[] = {
    {"weiße Schrift + farbiger Balken", true},
    {"weiße Schrift + farbiges Quadrat", true},
    {"farbig, dünner weißer Umriss", false},
    {"weiße Schrift im farbigen Feld", false},
    {"hellgrau (RGB 230)", true},
    {"deckend, ohne Transparenz", false},
    {"rein weiß", true},
    {"ganz farbig", false},
};
constexpr int LogosJeArt = 8;

const QString Namen[] = {QStringLiteral("WDR"),  QStringLiteral("SR"),   QStringLiteral("oe24"), QStringLiteral("RNF"),
                         QStringLiteral("folx"), QStringLiteral("a.tv"), QStringLiteral("ORF"),  QStringLiteral("HR")};

// What the classification counts: pixels with alpha below 128, the others, and those of
// them with R, G and B all at least 224.
struct Anteile {
    qint64 durchsichtig = 0, deckend = 0, weiss = 0;
    double DurchsichtigProzent() const { return 100.0 * double(durchsichtig) / double(durchsichtig + deckend); }
    double WeissProzent() const { return deckend > 0 ? 100.0 * double(weiss) / double(deckend) : 0.0; }
};

Anteile Zaehle(const QImage& bild) {
    Anteile a;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            if (qAlpha(p) < 128) {
                ++a.durchsichtig;
            } else {
                ++a.deckend;
                a.weiss += qRed(p) >= 224 && qGreen(p) >= 224 && qBlue(p) >= 224;
            }
        }
    return a;
}

void Schreibe(QPainter& maler, QRect feld, const QString& name, int pixel, QColor farbe) {
    QFont schrift(QStringLiteral("DejaVu Sans"), -1, QFont::Bold);
    schrift.setPixelSize(pixel);
    maler.setFont(schrift);
    maler.setPen(farbe);
    maler.drawText(feld, Qt::AlignCenter, name);
}

// The coloured part beside white lettering is 30 to 90 % of the lettering's own area, so
// the lettering makes 53 to 77 % of the opaque pixels, as on WDR's or SR's logo.
double FlaecheNebenSchrift(const QImage& nurSchrift, QRandomGenerator& zufall) {
    return double(Zaehle(nurSchrift).deckend) * (0.3 + 0.6 * zufall.generateDouble());
}

QImage MaleLogo(int art, int i, QRandomGenerator& zufall) {
    QImage bild(800, 450, QImage::Format_ARGB32);
    bild.fill(art == 5 && i % 2 == 0 ? QColor(Qt::white) : art == 5 ? QColor(25, 25, 40) : QColor(Qt::transparent));
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    const QColor farbe = QColor::fromHsv(zufall.bounded(360), 180 + zufall.bounded(76), 150 + zufall.bounded(106));
    const QString& name = Namen[i % LogosJeArt];
    const int pixel = 130 + zufall.bounded(40);
    const QRect links(20, 0, 470, 450);
    switch (art) {
    case 0: { // like WDR: a slanted bar beside the name
        Schreibe(maler, links, name, pixel, Qt::white);
        const double w = 190 + zufall.bounded(50), h = FlaecheNebenSchrift(bild, zufall) / w;
        const QPointF ecken[] = {
            {515 + h / 3, 225 - h / 2}, {515 + w + h / 3, 225 - h / 2}, {515 + w, 225 + h / 2}, {515, 225 + h / 2}};
        maler.setBrush(farbe);
        maler.drawPolygon(ecken, 4);
        break;
    }
    case 1: { // a coloured square or round badge beside the name
        Schreibe(maler, links, name, pixel, Qt::white);
        const double flaeche = FlaecheNebenSchrift(bild, zufall);
        const double seite = i % 2 == 0 ? std::sqrt(flaeche) : std::sqrt(4 * flaeche / std::numbers::pi);
        const QRectF quadrat(650 - seite / 2, 225 - seite / 2, seite, seite);
        maler.setBrush(farbe);
        if (i % 2 == 0)
            maler.drawRect(quadrat);
        else
            maler.drawEllipse(quadrat);
        break;
    }
    case 2: { // coloured lettering and a coloured badge, all in a thin white outline
        maler.setBrush(farbe);
        maler.setPen(QPen(Qt::white, 2 + zufall.bounded(4)));
        maler.drawRoundedRect(QRect(540, 140, 220, 170), 30, 30);
        QFont schrift(QStringLiteral("DejaVu Sans"), -1, QFont::Bold);
        schrift.setPixelSize(pixel);
        QPainterPath pfad;
        pfad.addText(40, 225 + pixel * 0.36, schrift, name);
        maler.drawPath(pfad);
        break;
    }
    case 3: { // the name in white inside a coloured field
        maler.setBrush(farbe);
        const int rand = 80 + zufall.bounded(60);
        maler.drawRoundedRect(bild.rect().adjusted(rand, 100, -rand, -100), 60, 60);
        Schreibe(maler, bild.rect(), name, pixel + 40, Qt::white);
        break;
    }
    case 4: // light grey lettering, a light grey mark beside it
        maler.setBrush(QColor(230, 230, 230));
        maler.drawEllipse(QPoint(640, 225), 40 + zufall.bounded(40), 40 + zufall.bounded(40));
        Schreibe(maler, links, name, pixel, QColor(230, 230, 230));
        break;
    case 5: // white ground or dark ground, no transparency at all
        maler.setBrush(farbe);
        maler.drawRect(QRect(540, 170, 200, 60 + zufall.bounded(80)));
        Schreibe(maler, links, name, pixel, i % 2 == 0 ? QColor(40, 40, 40) : QColor(Qt::white));
        break;
    case 6:
        Schreibe(maler, bild.rect(), name, pixel + 40, Qt::white);
        break;
    default:
        maler.setBrush(farbe);
        maler.drawEllipse(QPoint(650, 225), 60 + zufall.bounded(40), 60 + zufall.bounded(40));
        Schreibe(maler, links, name, pixel, farbe.darker(130));
        break;
    }
    return bild;
}

void ZaehleArten(const QString& ordner) {
    QRandomGenerator zufall(24);
    for (int art = 0; art < int(std::size(Logoarten)); ++art) {
        int platten = 0;
        double durchsichtigMin = 100, durchsichtigMax = 0, weissMin = 100, weissMax = 0;
        for (int i = 0; i < LogosJeArt; ++i) {
            const QImage bild = MaleLogo(art, i, zufall);
            const Anteile anteile = Zaehle(bild);
            const double durchsichtig = anteile.DurchsichtigProzent(), weiss = anteile.WeissProzent();
            durchsichtigMin = std::min(durchsichtigMin, durchsichtig);
            durchsichtigMax = std::max(durchsichtigMax, durchsichtig);
            weissMin = std::min(weissMin, weiss);
            weissMax = std::max(weissMax, weiss);
            const QString datei = ordner + QStringLiteral("art%1-%2.png").arg(art + 1).arg(i + 1);
            bild.save(datei);
            platten += LeseLogodatei(datei).hell;
        }
        std::printf("  %d von %d auf der Platte (soll %-6s durchsichtig %2.0f–%2.0f %%, weiß %3.0f–%3.0f %% der "
                    "deckenden: %s\n",
                    platten, LogosJeArt, Logoarten[art].platte ? "alle)" : "keins)", durchsichtigMin, durchsichtigMax,
                    weissMin, weissMax, Logoarten[art].name);
    }
}

// Microseconds per logo for decoding the files' bytes, in one round over all of them.
template <typename Dekodieren> double Mikrosekunden(const std::vector<QByteArray>& logos, Dekodieren dekodiere) {
    const auto start = std::chrono::steady_clock::now();
    long long pixel = 0;
    for (const QByteArray& bytes : logos)
        pixel += dekodiere(bytes).width();
    const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    return pixel > 0 ? us / double(logos.size()) : 0.0;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    if (argc > 1) {
        for (int i = 1; i < argc; ++i)
            ZaehlePlatten(QString::fromLocal8Bit(argv[i]), QString::fromLocal8Bit(argv[i]));
        return 0;
    }
    QTemporaryDir tmp;
    const QString demo = tmp.filePath(QStringLiteral("demo"));
    if (QProcess::execute(QStringLiteral(SENVIO_DEMO_PROGRAMM), {demo}) == 0) {
        ZaehlePlatten(QStringLiteral("Demo: Logobibliothek"), demo + QStringLiteral("/TV und Radio Sender Logos"));
        ZaehlePlatten(QStringLiteral("Demo: Logos der Liste"), demo + QStringLiteral("/Senvio-Listen/Sender-Logos"));
    } else {
        std::printf("senvio-demo ist gescheitert\n");
    }
    const QString sammlung = tmp.filePath(QStringLiteral("sammlung/"));
    const QString bildschirm = tmp.filePath(QStringLiteral("bildschirm/"));
    QDir().mkpath(sammlung);
    QDir().mkpath(bildschirm);
    LegeLogosAn(sammlung, 243);
    LegeBildschirmlogosAn(bildschirm, 40);
    ZaehlePlatten(QStringLiteral("Sammlung (farbige Schilder)"), sammlung);
    ZaehlePlatten(QStringLiteral("Bildschirmlogos (4 Arten)"), bildschirm);
    for (int art = 0; art < 4; ++art) {
        int platten = 0;
        for (int i = art; i < 40; i += 4)
            platten +=
                LeseLogodatei(bildschirm + QStringLiteral("bildschirm%1.png").arg(i + 1, 4, 10, QLatin1Char('0'))).hell;
        std::printf("  Art %d:                           %4d Logos, %4d auf der Platte\n", art + 1, 10, platten);
    }

    const QString arten = tmp.filePath(QStringLiteral("arten/"));
    QDir().mkpath(arten);
    std::printf("Logoarten, 800 × 450 (%d je Art):\n", LogosJeArt);
    ZaehleArten(arten);

    std::vector<QByteArray> logos;
    for (const QString& datei : PngDateien(sammlung) + PngDateien(bildschirm) + PngDateien(arten)) {
        QFile f(datei);
        if (f.open(QIODevice::ReadOnly))
            logos.push_back(f.readAll());
    }
    // Rounds in turn, the fastest of each counts: other work on the machine only slows a round down.
    double nur = 1e300, mit = 1e300;
    for (int runde = 0; runde < 7; ++runde) {
        nur = std::min(nur, Mikrosekunden(logos, [](const QByteArray& b) { return DekodierePng(b); }));
        mit = std::min(mit, Mikrosekunden(logos, [](const QByteArray& b) { return DekodiereLogo(b).bild; }));
    }
    std::printf("Dekodieren je Logo (%zu Logos):    %.0f µs, mit Einordnung %.0f µs (%+.1f %%)\n", logos.size(), nur,
                mit, 100.0 * (mit - nur) / nur);
    return 0;
}
