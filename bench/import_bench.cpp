// Times the import of a playlist of 100,000 entries and of a bouquet set of 20,000
// services in 50 sub-bouquets with their service database, and of half of each, so
// the peak memory shows how it grows: in this process the reading and the making of
// the list's lines, and senvio-import as a whole process, which also starts, writes
// the list file and ends. Prints figures only.
//
//   import-bench [Läufe]

#include "Kindlauf.h"
#include "dokument/Importablauf.h"
#include "dokument/Quellendatei.h"
#include "list/Bearbeitung.h"
#include "list/Listendatei.h"
#include "list/SenderListe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

void Schreibe(const QString& pfad, const QByteArray& bytes) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "%s kann nicht geschrieben werden\n", qPrintable(pfad));
        std::exit(1);
    }
}

// A provider's playlist: quoted attributes, a hundred groups, a stream address each.
QString LegeWiedergabelisteAn(const QString& ordner, int anzahl) {
    QByteArray text = "#EXTM3U\n";
    for (int i = 1; i <= anzahl; ++i)
        text += QStringLiteral("#EXTINF:-1 tvg-id=\"s%1.de\" tvg-name=\"Sender %1\" tvg-logo=\"http://logos.example/"
                               "s%1.png\" group-title=\"Gruppe %2\",Sender %1 HD\nhttp://strom.example/%1.m3u8\n")
                    .arg(i)
                    .arg(i * 100 / anzahl)
                    .toUtf8();
    const QString pfad = ordner + QStringLiteral("/liste%1.m3u").arg(anzahl);
    Schreibe(pfad, text);
    return pfad;
}

// A receiver's bouquet folder: bouquets.tv naming 50 sub-bouquets, every other
// service named by #DESCRIPTION, the rest only in lamedb, CR LF as receivers write.
// The later scan of the same receiver turns the first bouquet round, renames every
// hundredth service and has lost every five hundredth.
QString LegeBouquetsAn(const QString& ordner, int anzahl, bool spaeter = false) {
    const QString ziel = ordner + QStringLiteral("/bouquets%1%2/").arg(anzahl).arg(spaeter ? "-neu" : "");
    QDir().mkpath(ziel);
    const int bouquets = 50;
    QByteArray liste = "#NAME Bouquets (TV)\r\n";
    QByteArray lamedb = "eDVB services /4/\ntransponders\nend\nservices\n";
    for (int b = 0; b < bouquets; ++b) {
        const QString datei = QStringLiteral("userbouquet.b%1.tv").arg(b);
        liste +=
            QStringLiteral("#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"%1\" ORDER BY bouquet\r\n").arg(datei).toUtf8();
        QByteArray inhalt = QStringLiteral("#NAME Bouquet %1\r\n").arg(b).toUtf8();
        QByteArray dienste;
        for (int i = b; i < anzahl; i += bouquets) {
            const int sid = 1000 + i;
            if (spaeter && i % 500 == 7)
                continue;
            QByteArray dienst =
                QStringLiteral("#SERVICE 1:0:19:%1:3FB:1:C00000:0:0:0:\r\n").arg(sid, 0, 16).toUpper().toUtf8();
            if (i % 2)
                dienst += QStringLiteral("#DESCRIPTION Sender %1 HD%2\u2022Anbieter\r\n")
                              .arg(i)
                              .arg(spaeter && i % 100 == 1 ? " (neu)" : "")
                              .toUtf8();
            dienste = spaeter && b == 0 ? dienst + dienste : dienste + dienst;
            lamedb += QStringLiteral("%1:00c00000:03fb:0001:25:0\nSender %2\np:Anbieter\n")
                          .arg(sid, 4, 16, QLatin1Char('0'))
                          .arg(i)
                          .toUtf8();
        }
        Schreibe(ziel + datei, inhalt + dienste);
    }
    Schreibe(ziel + QStringLiteral("bouquets.tv"), liste);
    Schreibe(ziel + QStringLiteral("lamedb"), lamedb + "end\n");
    return ziel + QStringLiteral("bouquets.tv");
}

double MsSeit(std::chrono::steady_clock::time_point& start) {
    const auto jetzt = std::chrono::steady_clock::now();
    const double ms = std::chrono::duration<double, std::milli>(jetzt - start).count();
    start = jetzt;
    return ms;
}

// The parts of an import in this process: reading the file, making the lines of a new list
// (as the window does), writing the list file and writing its sources file.
struct Teile {
    double lesen = 0, zeilen = 0, liste = 0, quellen = 0;
    double Import() const { return lesen + zeilen; }
};

Teile ImportiereHier(const QString& quelle, const QString& ordner) {
    Teile t;
    auto start = std::chrono::steady_clock::now();
    const senvio::ImportFund fund = senvio::LeseImportquellen({quelle});
    t.lesen = MsSeit(start);
    senvio::Listendokument liste(senvio::ProgrammOrdner(QDir::tempPath()));
    liste.BeginneNeu(QStringLiteral("Bank"));
    senvio::HaengeImportAn(liste, senvio::ImportEintraege(fund, QList<bool>(fund.gruppen.size(), true)).liste,
                           senvio::Speichern::Spaeter);
    t.zeilen = MsSeit(start);
    senvio::SenderListe zeilen;
    zeilen.SetzeZeilen(liste.Liste().Zeilen());
    senvio::SchreibeListendatei(ordner + QStringLiteral("/teile.lis"), zeilen);
    t.liste = MsSeit(start);
    QList<senvio::Eintragsherkunft> herkunft;
    for (qsizetype i = 0; i < liste.Liste().Anzahl(); ++i)
        herkunft.append(liste.Herkunft(i));
    // With the list's bytes, as a save writes it: the lines that tie it to its list included.
    const QByteArray bytes = senvio::KodiereListe(zeilen.Zeilen(), zeilen.IstUnicode());
    start = std::chrono::steady_clock::now();
    senvio::SchreibeQuellen(ordner + QStringLiteral("/teile.quellen"), liste.Liste().Zeilen(), herkunft, {}, &bytes);
    t.quellen = MsSeit(start);
    return t;
}

// The same in a child of this process, so that neither the heap of this process nor
// the memory of one case counts in another.
Teile ImportiereImKind(const QString& quelle, const QString& ordner) {
    int rohr[2];
    if (pipe(rohr) != 0)
        std::exit(1);
    if (fork() == 0) {
        const Teile t = ImportiereHier(quelle, ordner);
        (void)!write(rohr[1], &t, sizeof t);
        _exit(0);
    }
    close(rohr[1]);
    Teile t;
    if (read(rohr[0], &t, sizeof t) != sizeof t)
        std::exit(1);
    close(rohr[0]);
    wait(nullptr);
    return t;
}

} // namespace

int main(int argc, char** argv) {
    const int laeufe = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir tmp;
    const QString ordner = tmp.path();
    QDir().mkpath(ordner + QStringLiteral("/Senvio-Listen"));

    struct Fall {
        const char* art;
        int anzahl;
        QString quelle;
    };
    const std::vector<Fall> faelle = {
        {"M3U", 50000, LegeWiedergabelisteAn(ordner, 50000)},
        {"M3U", 100000, LegeWiedergabelisteAn(ordner, 100000)},
        {"Bouquets", 10000, LegeBouquetsAn(ordner, 10000)},
        {"Bouquets", 20000, LegeBouquetsAn(ordner, 20000)},
    };
    std::printf("Import hier (Lesen und Zeilen) mit seinen Teilen und senvio-import als ganzer Prozess, Mediane aus %d "
                "Läufen\n",
                laeufe);
    std::printf("%-9s %8s %10s %7s %7s %7s %8s %11s %11s\n", "Quelle", "Sender", "Import ms", "Lesen", "Zeilen",
                "Liste", "Quellen", "Prozess ms", "Spitze MiB");
    int liste = 0;
    bool schnell = true;
    for (const Fall& fall : faelle) {
        std::vector<double> zeiten, hier, lesen, zeilen, listen, quellen;
        double spitze = 0;
        for (int lauf = 0; lauf < laeufe; ++lauf) {
            const Teile t = ImportiereImKind(fall.quelle, ordner);
            hier.push_back(t.Import());
            lesen.push_back(t.lesen);
            zeilen.push_back(t.zeilen);
            listen.push_back(t.liste);
            quellen.push_back(t.quellen);
            const Kindlauf k = StarteUndMiss({SENVIO_IMPORT_PROGRAMM, "--programmordner", ordner.toStdString(),
                                              "Bench" + std::to_string(++liste), fall.quelle.toStdString()});
            if (!k.erfolgreich) {
                std::fprintf(stderr, "senvio-import ist gescheitert:\n%s\n", k.fehlerausgabe.c_str());
                return 1;
            }
            zeiten.push_back(k.ms);
            spitze = std::max(spitze, k.spitzeMiB);
        }
        std::printf("%-9s %8d %10.0f %7.0f %7.0f %7.0f %8.0f %11.0f %11.1f\n", fall.art, fall.anzahl, Median(hier),
                    Median(lesen), Median(zeilen), Median(listen), Median(quellen), Median(zeiten), spitze);
        schnell = schnell && Median(hier) < 300;
    }
    std::printf("Ziel: jede Quelle unter 300 ms importiert: %s\n", schnell ? "erreicht" : "VERFEHLT");

    // The exports of real TV sets (the largest of each family at hand), each the whole
    // senvio-import process with the window's defaults: the list with the most TV channels.
    const char* fernseher[][2] = {
        {"Samsung", "/samsung/Channel_list_T-KTMDEUC-1132.6.zip"},
        {"LG", "/lg/GlobalClone00002.TLL"},
        {"Philips", "/philips/ChannelMap_100/ChannelList"},
        {"Sony", "/sony/android_sdb-cable.xml"},
        {"Hisense", "/hisense/channel.db"},
        {"Panasonic", "/panasonic/svl-cable.db"},
        {"Grundig", "/grundig/dvbc_config.xml"},
        {"Toshiba", "/toshiba/Toshiba-SL863G.zip"},
        {"Sharp", "/sharp/DVBS_Program5.csv"},
    };
    std::printf("\nFernseher: senvio-import als ganzer Prozess, Median aus %d Läufen\n", laeufe);
    std::printf("%-10s %-45s %11s %11s\n", "Marke", "Datei", "Prozess ms", "Spitze MiB");
    bool fernseherSchnell = true;
    for (const auto& [marke, datei] : fernseher) {
        std::vector<double> ms;
        double spitze = 0;
        for (int lauf = 0; lauf < laeufe; ++lauf) {
            const Kindlauf k = StarteUndMiss({SENVIO_IMPORT_PROGRAMM, "--programmordner", ordner.toStdString(),
                                              "TV" + std::to_string(++liste), std::string(SENVIO_FERNSEHER) + datei});
            if (!k.erfolgreich) {
                std::fprintf(stderr, "senvio-import ist an %s gescheitert:\n%s\n", datei, k.fehlerausgabe.c_str());
                return 1;
            }
            ms.push_back(k.ms);
            spitze = std::max(spitze, k.spitzeMiB);
        }
        std::printf("%-10s %-45s %11.0f %11.1f\n", marke, datei, Median(ms), spitze);
        fernseherSchnell = fernseherSchnell && Median(ms) <= 300;
    }
    std::printf("Ziel: jede Datei eines Fernsehers in höchstens 300 ms: %s\n",
                fernseherSchnell ? "erreicht" : "VERFEHLT");

    // A list of the first five bouquets (2,000 entries) brought up to date with the later scan
    // of all 20,000 services: the list restored before each run.
    const std::string p = ordner.toStdString();
    const std::string alt = LegeBouquetsAn(ordner, 20000).toStdString();
    const std::string neu = LegeBouquetsAn(ordner, 20000, true).toStdString();
    std::vector<std::string> fuenf = {SENVIO_IMPORT_PROGRAMM, "--programmordner", p};
    for (int b = 0; b < 5; ++b)
        fuenf.insert(fuenf.end(), {"--gruppe", "Bouquet " + std::to_string(b)});
    fuenf.insert(fuenf.end(), {"Favoriten", alt});
    if (!StarteUndMiss(fuenf).erfolgreich)
        return 1;
    const QString lis = ordner + QStringLiteral("/Senvio-Listen/Favoriten.lis");
    const QString quellen = ordner + QStringLiteral("/Senvio-Listen/Favoriten.quellen");
    QFile::copy(lis, lis + QStringLiteral(".alt"));
    QFile::copy(quellen, quellen + QStringLiteral(".alt"));
    std::vector<double> zeiten;
    double spitze = 0;
    for (int lauf = 0; lauf < laeufe; ++lauf) {
        for (const QString& datei : {lis, quellen}) {
            QFile::remove(datei);
            QFile::copy(datei + QStringLiteral(".alt"), datei);
        }
        const Kindlauf k = StarteUndMiss({SENVIO_IMPORT_PROGRAMM, "--programmordner", p, "--aktualisieren", "--neue",
                                          "weglassen", "Favoriten", neu});
        if (!k.erfolgreich) {
            std::fprintf(stderr, "senvio-import --aktualisieren ist gescheitert:\n%s\n", k.fehlerausgabe.c_str());
            return 1;
        }
        zeiten.push_back(k.ms);
        spitze = std::max(spitze, k.spitzeMiB);
    }
    std::printf("Aktualisieren: 2000 Einträge aus 20000 Sendern, senvio-import --aktualisieren %.0f ms, Spitze %.1f "
                "MiB (Ziel 500 ms: %s)\n",
                Median(zeiten), spitze, Median(zeiten) <= 500 ? "erreicht" : "VERFEHLT");
    return 0;
}
