// Times senvio-druck on a program folder with a list of 600 entries, each with a logo
// of its own, in the three print modes and as a PNG picture: the whole process's
// median time and peak memory, and where the time goes. The process is timed from
// outside, on the list and on an empty one (what starting and ending cost: Qt, fonts,
// the settings). The stages are timed here, with the print job's own functions on the
// same list, font and width, one after the other: the pages (entries drawn, logos made
// on every core, card and page files written beside the drawing), then the PDF from the
// page files or the picture encoded. The program overlaps the two (the PDF's pictures
// are compressed page by page), so the shares add up to more than 100 %. The whole
// process is timed three ways: without the logo cache (--ohne-zwischenspeicher), with
// an empty cache (the first print) and with the cache that run left (every print after
// it), with its CPU time beside; the stages run with the filled cache. Prints figures
// only. Then the direct print into a PDF file (--druckdatei) in the three print modes and in
// large print with its back sides (--modus gross --rueckseite), the same three ways, with its
// peak memory.
//
//   druck-bench [Anzahl Einträge] [Läufe je Modus] [Ordner]
//   With a folder, the program folder is made there and kept, e.g. for a profiler.

#include "Benchlogos.h"
#include "Kindlauf.h"

#include "list/Listendatei.h"
#include "list/Nummerierung.h"
#include "output/Kartendateien.h"
#include "output/Bildschreiber.h"
#include "output/Seitenpdf.h"
#include "view/Listenbreite.h"
#include "view/Listenschrift.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace senvio;

// The cache is the bench's own, in its folder.
Kindlauf MissProzess(const std::string& ordner, const char* modus, const char* liste,
                     const std::vector<std::string>& mehr = {}) {
    std::vector<std::string> aufruf{SENVIO_DRUCK_PROGRAMM, "--programmordner", ordner, "--modus", modus};
    aufruf.insert(aufruf.end(), mehr.begin(), mehr.end());
    aufruf.push_back(liste);
    Kindlauf lauf = StarteUndMiss(aufruf);
    if (!lauf.erfolgreich) {
        std::fprintf(stderr, "senvio-druck ist gescheitert:\n%s\n", lauf.fehlerausgabe.c_str());
        std::exit(1);
    }
    return lauf;
}

// The whole process three ways, one right after the other in each round, so that a busy
// machine weighs on all three alike: without the cache (--ohne-zwischenspeicher), with an
// empty one (the first print) and with the one that run left (every print after it).
struct Dreifach {
    std::vector<double> ms[3], cpuMs[3];
    double spitzeMiB[3] = {};
    void Miss(const QString& ordner, const char* modus, std::vector<std::string> mehr) {
        const std::string o = ordner.toStdString();
        for (int art = 0; art < 3; ++art) {
            std::vector<std::string> aufruf = mehr;
            // From a string, not a literal: g++ 12 takes the literal's copy for one out of bounds.
            static const std::string ohne = "--ohne-zwischenspeicher";
            if (art == 0)
                aufruf.push_back(ohne);
            if (art == 1)
                QDir(ordner + QStringLiteral("cache")).removeRecursively();
            const Kindlauf lauf = MissProzess(o, modus, "Bench", aufruf);
            ms[art].push_back(lauf.ms);
            cpuMs[art].push_back(lauf.cpuMs);
            spitzeMiB[art] = std::max(spitzeMiB[art], lauf.spitzeMiB);
        }
    }
    // "ohne leer gefüllt" in ms, then the same as CPU time
    std::string Zeiten() const {
        char text[96];
        std::snprintf(text, sizeof text, "%7.0f %7.0f %7.0f   %7.0f %7.0f %7.0f", Median(ms[0]), Median(ms[1]),
                      Median(ms[2]), Median(cpuMs[0]), Median(cpuMs[1]), Median(cpuMs[2]));
        return text;
    }
};

// The list as senvio-druck prints it, with the settings' font and the width its
// window would show it in.
struct Druckstoff {
    SenderListe liste;
    Eintragsumgebung umgebung;
};

Kartenauftrag Auftrag(Druckstoff& stoff, const ProgrammOrdner& ordner, Ausgabeart art) {
    const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    return AuftragFuerListe(stoff.liste, stoff.umgebung, ordner, art,
                            LeseListenschrift(ordner.einstellungen, StandardListenschrift(Listentext)),
                            Listenbreite(int(stoff.liste.Anzahl()), FusionListenstil(dpi)), Listengrund);
}

struct Stufen {
    double seitenMs = 0;
    double dateiMs = 0;
};

// The job's stages one after the other: the pages, then the PDF from the page files, its
// pictures compressed on every core, or the picture encoded from the page pictures. The
// program begins compressing page by page, so its own run overlaps the two.
Stufen MissStufen(Druckstoff& stoff, const ProgrammOrdner& ordner, Ausgabeart art) {
    Kartenauftrag auftrag = Auftrag(stoff, ordner, art);
    std::vector<QImage> seiten;
    auftrag.schreibeBild = [&seiten](const QImage& seite) { seiten.push_back(seite); };
    LoescheDateien(ordner.temp + QStringLiteral("/*.*"));
    QElapsedTimer uhr;
    uhr.start();
    ErstelleAlleBitmaps(auftrag);
    Stufen stufen;
    stufen.seitenMs = uhr.nsecsElapsed() / 1e6;

    uhr.restart();
    const QString datei = Ausgabedatei(ZielFuer(ordner, QStringLiteral("Bench")), art);
    if (IstDruckmodus(art)) {
        ErstelleDiePDF({ordner.temp, datei, QStringLiteral("Bench")});
    } else {
        int hoehe = 0;
        for (const QImage& seite : seiten)
            hoehe += seite.height();
        Bildschreiber schreiber(datei, Bildformat::Png, seiten.front().width(), hoehe);
        for (const QImage& seite : seiten)
            schreiber.SchreibeStreifen(seite);
        schreiber.Schliesse();
    }
    stufen.dateiMs = uhr.nsecsElapsed() / 1e6;
    return stufen;
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
    qputenv("XDG_CACHE_HOME", (ordner + QStringLiteral("cache")).toUtf8());
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
    QFile(ordner + QStringLiteral("Senvio-Listen/Leer.lis")).open(QIODevice::WriteOnly);

    // The stages run here as in the program: in its folder, on the list it reads.
    const ProgrammOrdner programm(ordner);
    PruefeUndLegeOrdnerAn(programm);
    QDir::setCurrent(programm.programm);
    Druckstoff stoff;
    LeseListendatei(programm.listen + QStringLiteral("Bench.lis"), stoff.liste);
    KorrigiereDieNummern(stoff.liste);
    stoff.umgebung.programmOrdner = programm.programm;

    std::printf("%d Einträge mit je eigenem Logo, %d Läufe je Modus; Mediane, in Klammern der Anteil an der ganzen "
                "Zeit, Speicher als Höchstwert\n",
                eintraege, laeufe);
    std::printf("Ganzer Prozess ohne, mit leerem und mit gefülltem Zwischenspeicher: Zeit und CPU-Zeit (Nutzer + "
                "System); die Stufen mit gefülltem\n");
    std::printf("%-7s %7s %7s %7s   %7s %7s %7s %16s %16s %16s %16s\n", "Modus", "ohne", "leer", "gefüllt", "CPU ohne",
                "leer", "gefüllt", "Start/Ende ms", "Seiten ms", "PDF/Bild ms", "Spitze MiB");
    const std::pair<const char*, Ausgabeart> modi[] = {{"oben", Ausgabeart::ObenGeheftet},
                                                       {"links", Ausgabeart::LinksGeheftet},
                                                       {"doppel", Ausgabeart::Doppelhuellen},
                                                       {"png", Ausgabeart::BildPng}};
    bool schnell = true, sparsam = true;
    for (const auto& [modus, art] : modi) {
        Dreifach drei;
        std::vector<double> start, seiten, datei;
        for (int lauf = 0; lauf < laeufe; ++lauf) {
            drei.Miss(ordner, modus, {});
            start.push_back(MissProzess(ordner.toStdString(), modus, "Leer").ms);
            const Stufen stufen = MissStufen(stoff, programm, art);
            seiten.push_back(stufen.seitenMs);
            datei.push_back(stufen.dateiMs);
        }
        const double g = Median(drei.ms[2]);
        const auto teil = [g](const std::vector<double>& werte) {
            char text[32];
            std::snprintf(text, sizeof text, "%.0f (%.0f %%)", Median(werte), 100 * Median(werte) / g);
            return std::string(text);
        };
        std::printf("%-7s %s %16s %16s %16s %5.0f/%4.0f/%4.0f\n", modus, drei.Zeiten().c_str(), teil(start).c_str(),
                    teil(seiten).c_str(), teil(datei).c_str(), drei.spitzeMiB[0], drei.spitzeMiB[1], drei.spitzeMiB[2]);
        if (art != Ausgabeart::BildPng)
            schnell = schnell && g <= 400;
        sparsam = sparsam && drei.spitzeMiB[2] * 1024 * 1024 < 200e6;
    }
    std::printf("Ziel: %d Einträge als PDF in jedem Druckmodus mit gefülltem Zwischenspeicher höchstens 400 ms (ganzer "
                "Prozess): %s; "
                "Speicher unter 200 MB: %s\n",
                eintraege, schnell ? "erreicht" : "VERFEHLT", sparsam ? "erreicht" : "VERFEHLT");

    // The direct print into a PDF file (--druckdatei): A4 sheets drawn by QPdfWriter, names as
    // text, logos at 300 dots per inch; beside it the print PDF of page pictures, from above.
    std::printf("\nDirekter Druck (--druckdatei), ganzer Prozess, Mediane, wie oben\n%-7s %7s %7s %7s   %7s %7s %7s "
                "%16s %12s\n",
                "Modus", "ohne", "leer", "gefüllt", "CPU ohne", "leer", "gefüllt", "Spitze MiB", "Datei KiB");
    const std::string direkt = ordner.toStdString() + "direkt.pdf";
    bool direktSchnell = true;
    const std::pair<const char*, std::vector<std::string>> direktModi[] = {
        {"oben", {}}, {"links", {}}, {"doppel", {}}, {"gross", {"--rueckseite"}}};
    for (const auto& [modus, mehr] : direktModi) {
        std::vector<std::string> aufruf = mehr;
        aufruf.insert(aufruf.end(), {"--druckdatei", direkt});
        Dreifach drei;
        for (int lauf = 0; lauf < laeufe; ++lauf)
            drei.Miss(ordner, modus, aufruf);
        std::printf("%-7s %s %6.0f/%4.0f/%4.0f %12lld\n", modus, drei.Zeiten().c_str(), drei.spitzeMiB[0],
                    drei.spitzeMiB[1], drei.spitzeMiB[2], QFileInfo(QString::fromStdString(direkt)).size() / 1024);
        for (const std::vector<double>& ms : drei.ms)
            direktSchnell = direktSchnell && Median(ms) < 3000;
    }
    std::printf("Ziel: %d Einträge direkt gedruckt in jedem Druckmodus und im Großdruck mit Rückseiten unter 3 s "
                "(ganzer Prozess): %s\n",
                eintraege, direktSchnell ? "erreicht" : "VERFEHLT");
    return 0;
}
