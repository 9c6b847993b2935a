// Times the review of "Liste aktualisieren" on a list of 2,000 entries against a scan that
// moves, renames, drops and adds channels: the matching, the dialog made with its rows, a
// choice of order laid out again, and the unchanged section opened (its logos drawn).
// Runs on Qt's offscreen platform unless another is set. Prints medians of 5 runs.
//
//   aktualisierung-bench [Anzahl Einträge]
//   SENVIO_BILD=dialog.png also saves a picture of the dialog after the last run.

#include "Benchlogos.h"
#include "Kindlauf.h"
#include "dokument/AktualisierungForm.h"
#include "app/Fehlerbehandlung.h"
#include "list/Doppelte.h"
#include "list/Zeilenformat.h"

#include <QDir>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

using namespace senvio;
using Uhr = std::chrono::steady_clock;

double Millisekunden(Uhr::time_point von, Uhr::time_point bis) {
    return std::chrono::duration<double, std::milli>(bis - von).count();
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int anzahl = argc > 1 ? std::atoi(argv[1]) : 2000;
    SenvioAnwendung anwendung(argc, argv);

    // A logo of 100 on every entry but every seventh, which has a placeholder; read from the
    // files, as a window that has not drawn them yet would.
    QTemporaryDir ordner;
    const QString logos = ordner.path() + QStringLiteral("/Senvio-Listen/Sender-Logos/");
    QDir().mkpath(logos);
    LegeLogosAn(logos, 100);
    Eintragsumgebung umgebung;
    umgebung.programmOrdner = ordner.path() + QLatin1Char('/');

    // As a receiver keeps its numbers: every 40th channel gone, its number left free, every
    // 50th renamed, 2 in 25 moved (pairs swapped), one new per 30 at the end.
    QStringList zeilen;
    QList<Eintragsherkunft> herkunft;
    QList<ImportEintrag> kanaele;
    for (int i = 0; i < anzahl; ++i) {
        const QString name = QStringLiteral("Sender %1 HD").arg(i + 1);
        const QString referenz = QStringLiteral("1:0:19:%1:3FB:1:C00000:0:0:0:").arg(i, 0, 16);
        zeilen << BaueZeile(Praefix(i + 1), name,
                            i % 7 == 6 ? Platzhalterpfad(1 + i % 4)
                                       : QStringLiteral("ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\") +
                                             BenchLogoName(1 + i % 100));
        herkunft.append({referenz, {}, name, false, {}});
        if (i % 40 == 39)
            kanaele.append({FreierEintrag, {}, {}, false});
        else
            kanaele.append({i % 50 == 0 ? QStringLiteral("Sender %1").arg(i + 1) : name, {}, referenz, false});
        if (i % 25 == 1)
            std::swap(kanaele[kanaele.size() - 1], kanaele[kanaele.size() - 2]);
    }
    for (int i = 0; i < anzahl / 30; ++i)
        kanaele.append({QStringLiteral("Neu %1").arg(i), {}, QStringLiteral("neu:%1").arg(i), false});
    std::vector<double> abgleich, dialog, wahl, aufklappen;
    for (int lauf = 0; lauf < 5; ++lauf) {
        const auto t0 = Uhr::now();
        Abgleich ergebnis = GleicheAb(zeilen, herkunft, kanaele);
        const auto t1 = Uhr::now();
        TAktualisierungForm form(std::move(ergebnis), umgebung, {});
        form.show();
        QCoreApplication::processEvents();
        const auto t2 = Uhr::now();
        form.findChild<QRadioButton*>(QStringLiteral("Meine"))->click();
        QCoreApplication::processEvents();
        const auto t3 = Uhr::now();
        form.findChild<QTreeWidget*>()->topLevelItem(0)->setExpanded(true);
        QCoreApplication::processEvents();
        const auto t4 = Uhr::now();
        if (lauf == 4 && qEnvironmentVariableIsSet("SENVIO_BILD"))
            form.grab().save(qEnvironmentVariable("SENVIO_BILD"));
        abgleich.push_back(Millisekunden(t0, t1));
        dialog.push_back(Millisekunden(t1, t2));
        wahl.push_back(Millisekunden(t2, t3));
        aufklappen.push_back(Millisekunden(t3, t4));
    }
    std::printf("Liste aktualisieren, %d Einträge, %lld Kanäle (Median von 5)\n", anzahl,
                static_cast<long long>(kanaele.size()));
    std::printf("  Abgleich:                     %8.1f ms\n", Median(abgleich));
    std::printf("  Dialog gebaut und gezeigt:    %8.1f ms\n", Median(dialog));
    std::printf("  Reihenfolge gewechselt:       %8.1f ms\n", Median(wahl));
    std::printf("  \"Unverändert\" aufgeklappt:   %8.1f ms\n", Median(aufklappen));
    return 0;
}
