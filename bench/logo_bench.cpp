// Times loading a group of 1,000 logos into the tile grid of the main window, the
// way the logo command does it, and prints the peak memory of the process. Runs on
// Qt's offscreen platform unless another is set. The logo cache is the bench's own and
// starts empty: the first load fills it, the later ones read it (unless
// SENVIO_OHNE_ZWISCHENSPEICHER=1); its size on disk is printed at the end, with the item
// logos of the same files added. Prints figures only.
//
//   logo-bench [Anzahl Logos] [Anzahl Ladevorgänge]
//   SENVIO_BILD=raster.png also saves a picture of the window with the grid.

#include "Benchlogos.h"

#include "app/Fehlerbehandlung.h"
#include "app/Programm.h"
#include "logos/Logoraster.h"
#include "platform/Dialoge.h"
#include "view/Eintrag.h"
#include "zwischenspeicher/Logozwischenspeicher.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QScrollArea>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using namespace senvio;
using Uhr = std::chrono::steady_clock;

double Millisekunden(Uhr::time_point von, Uhr::time_point bis) {
    return std::chrono::duration<double, std::milli>(bis - von).count();
}

// The process's user and system time: on a busy machine it says more than the wall clock.
double CpuMillisekunden() {
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(nutzung.ru_utime) + ms(nutzung.ru_stime);
}

double SpitzeMiB() {
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    return double(nutzung.ru_maxrss) / 1024.0;
}

// What the cache's files take on the disk, in whole blocks.
double Zwischenspeichergroesse() {
    double bytes = 0;
    for (const QFileInfo& datei : QDir(Zwischenspeicherordner()).entryInfoList(QDir::Files | QDir::Hidden)) {
        struct stat s {};
        if (stat(QFile::encodeName(datei.filePath()).constData(), &s) == 0)
            bytes += double(s.st_blocks) * 512;
    }
    return bytes / 1024 / 1024;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int anzahl = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int ladevorgaenge = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    SenvioAnwendung anwendung(argc, argv);
    Dialoge::SetzeSkriptbetrieb(true);

    QTemporaryDir tmp;
    const QString ordner = tmp.path() + QStringLiteral("/");
    qputenv("XDG_CACHE_HOME", (ordner + QStringLiteral("cache")).toUtf8());
    const QString gruppe = ordner + QStringLiteral("TV und Radio Sender Logos/Bench/");
    QDir().mkpath(ordner + QStringLiteral("Senvio-Listen"));
    QDir().mkpath(gruppe);
    LegeLogosAn(gruppe, anzahl);
    const double vorDemLaden = SpitzeMiB();

    auto programm = std::make_unique<Programm>(ProgrammOrdner(ordner));
    TMainForm& haupt = programm->Haupt();
    haupt.show();
    while (haupt.ErsteAnzeige())
        QCoreApplication::processEvents();

    // The first load is the logo command's: the grid comes up with every tile built;
    // the later ones choose the group again.
    std::printf("Logos in der Gruppe:           %d\n", anzahl);
    auto* befehl = haupt.findChild<QAction*>(QStringLiteral("SenderlogoanaktuellenEintrageinfuegen1"));
    auto* gruppen = haupt.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    auto* raster = haupt.findChild<QScrollArea*>(QStringLiteral("ScrollBox1"));
    for (int lauf = 0; lauf < ladevorgaenge; ++lauf) {
        const auto start = Uhr::now();
        const double cpuStart = CpuMillisekunden();
        if (lauf == 0)
            befehl->trigger();
        else
            emit gruppen->activated(gruppen->currentIndex());
        QCoreApplication::processEvents();
        raster->viewport()->repaint();
        const auto kacheln = static_cast<Logoraster*>(raster->widget())->Kacheln().size();
        std::printf("Laden und Zeichnen, Lauf %d:    %.0f ms (Ziel: unter 2500 ms, ab Lauf 2 höchstens 300 ms), %lld "
                    "Kacheln, CPU-Zeit %.0f ms\n",
                    lauf + 1, Millisekunden(start, Uhr::now()), static_cast<long long>(kacheln),
                    CpuMillisekunden() - cpuStart);
    }
    if (const QString bild = qEnvironmentVariable("SENVIO_BILD"); !bild.isEmpty())
        haupt.grab().save(bild);
    std::printf("Zwischenspeicher der Kacheln:  %.1f MiB\n", Zwischenspeichergroesse());
    for (const QFileInfo& logo : QDir(gruppe).entryInfoList(QDir::Files))
        EintragslogoDerDatei(logo.filePath());
    std::printf("… mit den Eintragslogos:       %.1f MiB\n", Zwischenspeichergroesse());
    std::printf("Speicherspitze vor dem Laden:  %.0f MiB\n", vorDemLaden);
    std::printf("Speicherspitze insgesamt:      %.0f MiB (Ziel: unter 250 MB)\n", SpitzeMiB());
    programm.reset();
    return 0;
}
