// Times senvio-druck on a program folder with a list of 600 entries, each with a logo
// of its own, in the three print modes and as a PNG picture: the whole process's
// median time, the median time of each stage and the process's peak memory.
// Prints figures only.
//
//   druck-bench [Anzahl Einträge] [Läufe je Modus] [Ordner]
//   With a folder, the program folder is made there and kept, e.g. for a profiler.

#include "Benchlogos.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Messung {
    double gesamtMs = 0;
    double eintraegeMs = 0;
    double dateienMs = 0;
    double pdfMs = 0;
    double spitzeMiB = 0;
};

// Runs the program once with SENVIO_ZEITEN=1 and reads its stage times from stderr;
// wait4 gives this one child's peak memory.
Messung MissLauf(const std::vector<std::string>& argumente) {
    int rohr[2];
    if (pipe(rohr) != 0)
        std::exit(1);
    const auto start = std::chrono::steady_clock::now();
    const pid_t kind = fork();
    if (kind == 0) {
        dup2(rohr[1], STDERR_FILENO);
        const int nichts = open("/dev/null", O_WRONLY);
        dup2(nichts, STDOUT_FILENO);
        close(rohr[0]);
        setenv("SENVIO_ZEITEN", "1", 1);
        std::vector<char*> argv;
        for (const std::string& a : argumente)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(rohr[1]);
    std::string fehler;
    char puffer[4096];
    for (ssize_t n; (n = read(rohr[0], puffer, sizeof puffer)) > 0;)
        fehler.append(puffer, std::size_t(n));
    close(rohr[0]);
    int status = 0;
    rusage nutzung{};
    wait4(kind, &status, 0, &nutzung);
    Messung m;
    m.gesamtMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    m.spitzeMiB = double(nutzung.ru_maxrss) / 1024.0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "senvio-druck ist gescheitert:\n%s\n", fehler.c_str());
        std::exit(1);
    }
    const QRegularExpression zeiten(QStringLiteral("eintraege_ms=([0-9.]+) dateien_ms=([0-9.]+) pdf_ms=([0-9.]+)"));
    const QRegularExpressionMatch treffer = zeiten.match(QString::fromStdString(fehler));
    if (treffer.hasMatch()) {
        m.eintraegeMs = treffer.captured(1).toDouble();
        m.dateienMs = treffer.captured(2).toDouble();
        m.pdfMs = treffer.captured(3).toDouble();
    }
    return m;
}

double Median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n % 2 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
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

    std::printf("%d Einträge mit je eigenem Logo, %d Läufe je Modus; Mediane, Speicher als Höchstwert\n", eintraege,
                laeufe);
    std::printf("%-8s %10s %12s %12s %10s %12s\n", "Modus", "gesamt ms", "Einträge ms", "Dateien ms", "PDF ms",
                "Spitze MiB");
    for (const char* modus : {"oben", "links", "doppel", "png"}) {
        std::vector<double> gesamt, eintraegeMs, dateien, pdf;
        double spitze = 0;
        for (int lauf = 0; lauf < laeufe; ++lauf) {
            const Messung m = MissLauf({SENVIO_DRUCK_PROGRAMM, "--programmordner", ordner.toStdString(), "--modus",
                                        modus, "Bench"});
            gesamt.push_back(m.gesamtMs);
            eintraegeMs.push_back(m.eintraegeMs);
            dateien.push_back(m.dateienMs);
            pdf.push_back(m.pdfMs);
            spitze = std::max(spitze, m.spitzeMiB);
        }
        std::printf("%-8s %10.0f %12.0f %12.0f %10.0f %12.0f\n", modus, Median(gesamt), Median(eintraegeMs),
                    Median(dateien), Median(pdf), spitze);
    }
    std::printf("Ziel: 600 Einträge als PDF unter 1500 ms, Speicher unter 200 MB\n");
    return 0;
}
