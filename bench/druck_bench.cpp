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
// it); the stages run with the filled cache. Prints figures only. Then the direct print
// into a PDF file (--druckdatei) in the three print modes: the whole process and its peak memory.
//
//   druck-bench [Anzahl Einträge] [Läufe je Modus] [Ordner]
//   With a folder, the program folder is made there and kept, e.g. for a profiler.

#include "Benchlogos.h"
#include "Kindlauf.h"

#include "list/Listendatei.h"
#include "list/Nummerierung.h"
#include "output/Ausgabelauf.h"
#include "output/Bildschreiber.h"
#include "output/Druckauftrag.h"
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

struct Messung {
    double ms = 0;
    double spitzeMiB = 0;
};

// The cache is the bench's own, in its folder.
Messung MissProzess(const std::string& ordner, const char* modus, const char* liste,
                    const std::vector<std::string>& mehr = {}) {
    std::vector<std::string> aufruf{SENVIO_DRUCK_PROGRAMM, "--programmordner", ordner, "--modus", modus};
    aufruf.insert(aufruf.end(), mehr.begin(), mehr.end());
    aufruf.push_back(liste);
    const Kindlauf lauf = StarteUndMiss(aufruf);
    if (!lauf.erfolgreich) {
        std::fprintf(stderr, "senvio-druck ist gescheitert:\n%s\n", lauf.fehlerausgabe.c_str());
        std::exit(1);
    }
    return {lauf.ms, lauf.spitzeMiB};
}

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
    std::printf("%-7s %9s %9s %9s %16s %16s %16s %16s\n", "Modus", "ohne ms", "leer ms", "gesamt ms", "Start/Ende ms",
                "Seiten ms", "PDF/Bild ms", "Spitze MiB");
    std::printf("%-7s %9s %9s %9s\n", "", "(ohne", "(leerer", "(gefüllter Zwischenspeicher)");
    const std::pair<const char*, Ausgabeart> modi[] = {{"oben", Ausgabeart::ObenGeheftet},
                                                       {"links", Ausgabeart::LinksGeheftet},
                                                       {"doppel", Ausgabeart::Doppelhuellen},
                                                       {"png", Ausgabeart::BildPng}};
    bool schnell = true, sparsam = true;
    for (const auto& [modus, art] : modi) {
        std::vector<double> ohne, leer, gesamt, start, seiten, datei;
        double spitzeOhne = 0, spitzeLeer = 0, spitze = 0;
        for (int lauf = 0; lauf < laeufe; ++lauf) {
            const Messung o = MissProzess(ordner.toStdString(), modus, "Bench", {"--ohne-zwischenspeicher"});
            ohne.push_back(o.ms);
            spitzeOhne = std::max(spitzeOhne, o.spitzeMiB);
            QDir(ordner + QStringLiteral("cache")).removeRecursively();
            const Messung l = MissProzess(ordner.toStdString(), modus, "Bench");
            leer.push_back(l.ms);
            spitzeLeer = std::max(spitzeLeer, l.spitzeMiB);
            const Messung m = MissProzess(ordner.toStdString(), modus, "Bench");
            gesamt.push_back(m.ms);
            spitze = std::max(spitze, m.spitzeMiB);
            start.push_back(MissProzess(ordner.toStdString(), modus, "Leer").ms);
            const Stufen stufen = MissStufen(stoff, programm, art);
            seiten.push_back(stufen.seitenMs);
            datei.push_back(stufen.dateiMs);
        }
        const double g = Median(gesamt);
        const auto teil = [g](const std::vector<double>& werte) {
            char text[32];
            std::snprintf(text, sizeof text, "%.0f (%.0f %%)", Median(werte), 100 * Median(werte) / g);
            return std::string(text);
        };
        std::printf("%-7s %9.0f %9.0f %9.0f %16s %16s %16s %5.0f/%4.0f/%4.0f\n", modus, Median(ohne), Median(leer), g,
                    teil(start).c_str(), teil(seiten).c_str(), teil(datei).c_str(), spitzeOhne, spitzeLeer, spitze);
        if (art != Ausgabeart::BildPng)
            schnell = schnell && g <= 400;
        sparsam = sparsam && spitze * 1024 * 1024 < 200e6;
    }
    std::printf("Ziel: %d Einträge als PDF in jedem Druckmodus mit gefülltem Zwischenspeicher höchstens 400 ms (ganzer "
                "Prozess): %s; "
                "Speicher unter 200 MB: %s\n",
                eintraege, schnell ? "erreicht" : "VERFEHLT", sparsam ? "erreicht" : "VERFEHLT");

    // The direct print into a PDF file (--druckdatei): A4 sheets drawn by QPdfWriter, names as
    // text, logos at 300 dots per inch; beside it the print PDF of page pictures, from above.
    std::printf("\nDirekter Druck (--druckdatei), ganzer Prozess, Mediane\n%-7s %9s %10s %12s\n", "Modus", "gesamt ms",
                "Spitze MiB", "Datei KiB");
    const std::string direkt = ordner.toStdString() + "direkt.pdf";
    bool direktSchnell = true;
    for (const auto& [modus, art] : modi) {
        if (!IstDruckmodus(art))
            continue;
        std::vector<double> gesamt;
        double spitze = 0;
        for (int lauf = 0; lauf < laeufe; ++lauf) {
            const Messung m = MissProzess(ordner.toStdString(), modus, "Bench", {"--druckdatei", direkt});
            gesamt.push_back(m.ms);
            spitze = std::max(spitze, m.spitzeMiB);
        }
        std::printf("%-7s %9.0f %10.0f %12lld\n", modus, Median(gesamt), spitze,
                    QFileInfo(QString::fromStdString(direkt)).size() / 1024);
        direktSchnell = direktSchnell && Median(gesamt) < 3000;
    }
    std::printf("Ziel: %d Einträge direkt gedruckt in jedem Druckmodus unter 3 s (ganzer Prozess): %s\n", eintraege,
                direktSchnell ? "erreicht" : "VERFEHLT");
    return 0;
}
