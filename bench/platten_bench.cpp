// Counts the logos that are drawn on the dark plate, in the demo program folder that
// senvio-demo makes, in the generated logo collection of the other benchmarks and in a
// generated set of logos made for dark screens, or in the folders given; and times
// decoding with the classification against decoding alone. Prints figures only.
//
//   platten-bench [Ordner …]

#include "Benchlogos.h"

#include "view/PngBild.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
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
        const DekodiertesLogo logo = LeseLogoDatei(datei);
        lesbar += !logo.bild.isNull();
        platten += logo.hell;
    }
    std::printf("%-34s %4lld Logos, %4d lesbar, %4d auf der Platte\n", qPrintable(name),
                static_cast<long long>(dateien.size()), lesbar, platten);
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
                LeseLogoDatei(bildschirm + QStringLiteral("bildschirm%1.png").arg(i + 1, 4, 10, QLatin1Char('0'))).hell;
        std::printf("  Art %d:                           %4d Logos, %4d auf der Platte\n", art + 1, 10, platten);
    }

    std::vector<QByteArray> logos;
    for (const QString& datei : PngDateien(sammlung) + PngDateien(bildschirm)) {
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
