// Times loading a group of 1,000 logos into the tile grid of the main window, the
// way the logo command does it, and prints the peak memory of the process. Runs on
// Qt's offscreen platform unless another is set. Prints figures only.
//
//   logo-bench [Anzahl Logos] [Anzahl Ladevorgänge]
//   SENVIO_BILD=raster.png also saves a picture of the window with the grid.

#include "Benchlogos.h"

#include "app/Fehlerbehandlung.h"
#include "app/Programm.h"
#include "logos/Logoraster.h"
#include "platform/Dialoge.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QScrollArea>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

using namespace senvio;
using Uhr = std::chrono::steady_clock;

double Millisekunden(Uhr::time_point von, Uhr::time_point bis) {
    return std::chrono::duration<double, std::milli>(bis - von).count();
}

double SpitzeMiB() {
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    return double(nutzung.ru_maxrss) / 1024.0;
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
        if (lauf == 0)
            befehl->trigger();
        else
            emit gruppen->activated(gruppen->currentIndex());
        QCoreApplication::processEvents();
        raster->viewport()->repaint();
        const auto kacheln = static_cast<Logoraster*>(raster->widget())->Kacheln().size();
        std::printf("Laden und Zeichnen, Lauf %d:    %.0f ms (Ziel: unter 2500 ms), %lld Kacheln\n", lauf + 1,
                    Millisekunden(start, Uhr::now()), static_cast<long long>(kacheln));
    }
    if (const QString bild = qEnvironmentVariable("SENVIO_BILD"); !bild.isEmpty())
        haupt.grab().save(bild);
    std::printf("Speicherspitze vor dem Laden:  %.0f MiB\n", vorDemLaden);
    std::printf("Speicherspitze insgesamt:      %.0f MiB (Ziel: unter 250 MB)\n", SpitzeMiB());
    programm.reset();
    return 0;
}
