// Times senvio-druck on a program folder with a list of 600 entries, each with a logo
// of its own, in the three print modes and as a PNG picture: the whole process's
// median time, the median time of each stage with its share of the whole, and the
// process's peak memory. The stages: start and end of the process (Qt, fonts, reading
// the list), drawing the entries (waiting for the logos made on every core included),
// the card and page files (on their own thread, beside the drawing), and the PDF after
// the last page (what compressing, begun page by page, has still left, and writing).
// Stages on different threads overlap, so the shares add up to more than 100 %.
// Prints figures only.
//
//   druck-bench [Anzahl Einträge] [Läufe je Modus] [Ordner]
//   With a folder, the program folder is made there and kept, e.g. for a profiler.

#include "Benchlogos.h"
#include "Kindlauf.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Messung {
    double gesamtMs = 0;
    double eintraegeMs = 0;
    double dateienMs = 0;
    double pdfMs = 0;
    double laufMs = 0;
    double spitzeMiB = 0;
};

// Runs the program once with SENVIO_ZEITEN=1 and reads its stage times from stderr.
Messung MissLauf(const std::vector<std::string>& argumente) {
    const Kindlauf lauf = StarteUndMiss(argumente, {"SENVIO_ZEITEN=1"});
    if (!lauf.erfolgreich) {
        std::fprintf(stderr, "senvio-druck ist gescheitert:\n%s\n", lauf.fehlerausgabe.c_str());
        std::exit(1);
    }
    Messung m;
    m.gesamtMs = lauf.ms;
    m.spitzeMiB = lauf.spitzeMiB;
    const QRegularExpression zeiten(
        QStringLiteral("eintraege_ms=([0-9.]+) dateien_ms=([0-9.]+) pdf_ms=([0-9.]+) lauf_ms=([0-9.]+)"));
    const QRegularExpressionMatch treffer = zeiten.match(QString::fromStdString(lauf.fehlerausgabe));
    if (treffer.hasMatch()) {
        m.eintraegeMs = treffer.captured(1).toDouble();
        m.dateienMs = treffer.captured(2).toDouble();
        m.pdfMs = treffer.captured(3).toDouble();
        m.laufMs = treffer.captured(4).toDouble();
    }
    return m;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int eintraege = argc > 1 ? std::max(1, std::atoi(argv[1])) : 600;
    const int laeufe = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    QGuiApplication anwendung(argc, argv);

    QTemporaryDir tmp;
    const QString ordner = (argc > 3 ? QDir(QString::fromLocal8Bit(argv[3])).absolutePath() : tmp.path()) + u'/';
    const QString logos = ordner + QStringLiteral("Senvio-Listen/Sender-Logos/");
    QDir().mkpath(logos);
    LegeLogosAn(logos, eintraege);
    QFile liste(ordner + QStringLiteral("Senvio-Listen/Bench.lis"));
    liste.open(QIODevice::WriteOnly);
    for (int i = 1; i <= eintraege; ++i)
        liste.write(QStringLiteral("Sender %1 #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\%2\r\n")
                        .arg(i)
                        .arg(BenchLogoName(i))
                        .toLatin1());
    liste.close();

    std::printf("%d Einträge mit je eigenem Logo, %d Läufe je Modus; Mediane, in Klammern der Anteil an der ganzen "
                "Zeit, Speicher als Höchstwert\n",
                eintraege, laeufe);
    std::printf("%-7s %9s %16s %16s %16s %16s %7s\n", "Modus", "gesamt ms", "Start/Ende ms", "Einträge ms",
                "Dateien ms", "PDF ms", "Spitze MiB");
    bool schnell = true, sparsam = true;
    for (const char* modus : {"oben", "links", "doppel", "png"}) {
        std::vector<double> gesamt, start, eintraegeMs, dateien, pdf;
        double spitze = 0;
        for (int lauf = 0; lauf < laeufe; ++lauf) {
            const Messung m =
                MissLauf({SENVIO_DRUCK_PROGRAMM, "--programmordner", ordner.toStdString(), "--modus", modus, "Bench"});
            gesamt.push_back(m.gesamtMs);
            start.push_back(m.gesamtMs - m.laufMs);
            eintraegeMs.push_back(m.eintraegeMs);
            dateien.push_back(m.dateienMs);
            pdf.push_back(m.pdfMs);
            spitze = std::max(spitze, m.spitzeMiB);
        }
        const double g = Median(gesamt);
        const auto teil = [g](const std::vector<double>& werte) {
            char text[32];
            std::snprintf(text, sizeof text, "%.0f (%.0f %%)", Median(werte), 100 * Median(werte) / g);
            return std::string(text);
        };
        std::printf("%-7s %9.0f %16s %16s %16s %16s %7.0f\n", modus, g, teil(start).c_str(), teil(eintraegeMs).c_str(),
                    teil(dateien).c_str(), teil(pdf).c_str(), spitze);
        if (std::string(modus) != "png")
            schnell = schnell && g < 500;
        sparsam = sparsam && spitze * 1024 * 1024 < 200e6;
    }
    std::printf("Ziel: %d Einträge als PDF in jedem Druckmodus unter 500 ms (ganzer Prozess): %s; "
                "Speicher unter 200 MB: %s\n",
                eintraege, schnell ? "erreicht" : "VERFEHLT", sparsam ? "erreicht" : "VERFEHLT");
    return 0;
}
