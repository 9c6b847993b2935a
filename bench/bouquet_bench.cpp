// Times the bouquet reader on generated sets of N services in 50 sub-bouquets with a
// lamedb of every service, and the peak memory of each size. Half of the services
// carry a "#DESCRIPTION", the other half are named from the database. The files lie
// in memory: what is measured is the reader, not the disk; the best of five runs counts. Prints figures only.
//
//   bouquet-bench [N]...   default 20000 100000 200000

#include "import/Bouquets.h"

#include <QHash>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace senvio;

QHash<QString, QByteArray> Set(int anzahl) {
    constexpr int bouquets = 50;
    QHash<QString, QByteArray> set;
    QByteArray oben = "#NAME Bouquets (TV)\r\n";
    QByteArray lamedb = "eDVB services /4/\ntransponders\nend\nservices\n";
    QList<QByteArray> unter(bouquets);
    for (int i = 0; i < anzahl; ++i) {
        const QByteArray sid = QByteArray::number(i % 65536, 16), tsid = QByteArray::number(i / 65536 + 1, 16);
        QByteArray& b = unter[i * bouquets / anzahl];
        b += "#SERVICE 1:0:19:" + sid.toUpper() + ':' + tsid + ":1:C00000:0:0:0:\r\n";
        if (i % 2)
            b += "#DESCRIPTION Sender " + QByteArray::number(i) +
                 "\xE2\x80\xA2"
                 "Anbieter\r\n";
        lamedb += sid.rightJustified(4, '0') + ":00c00000:" + tsid.rightJustified(4, '0') + ":0001:25:0\nSender " +
                  QByteArray::number(i) + "\np:Anbieter\n";
    }
    for (int n = 0; n < bouquets; ++n) {
        const QString datei = QStringLiteral("userbouquet.b%1.tv").arg(n);
        oben += "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"" + datei.toUtf8() + "\" ORDER BY bouquet\r\n";
        set.insert(datei, "#NAME Bouquet " + QByteArray::number(n) + "\r\n" + unter[n]);
    }
    set.insert(QStringLiteral("bouquets.tv"), oben);
    set.insert(QStringLiteral("lamedb"), lamedb + "end\n");
    return set;
}

// In a child process, so that ru_maxrss is this size's peak alone.
void Miss(int anzahl) {
    std::fflush(stdout);
    const pid_t kind = fork();
    if (kind == 0) {
        const QHash<QString, QByteArray> set = Set(anzahl);
        qsizetype bytes = 0;
        for (const QByteArray& b : set)
            bytes += b.size();
        rusage vorher{};
        getrusage(RUSAGE_SELF, &vorher);
        rusage nachher{};
        // The best of five runs: the machine may be busy with other work.
        double bester = 1e9;
        ImportFund f;
        for (int lauf = 0; lauf < 5; ++lauf) {
            const auto start = std::chrono::steady_clock::now();
            f = LeseBouquets(BouquetWahl::Fernsehen, [&set](const QString& name) {
                return set.contains(name) ? std::optional(set[name]) : std::nullopt;
            });
            if (lauf == 0)
                getrusage(RUSAGE_SELF, &nachher);
            bester = std::min(
                bester, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        const bool richtig = f.sender.size() == anzahl && f.gruppen.size() == 50 && f.sender.back().name.size() > 6;
        std::printf("%9d  %9.1f  %8.1f  %12.1f  %s\n", anzahl, double(bytes) / (1 << 20), bester,
                    double(nachher.ru_maxrss - vorher.ru_maxrss) / 1024, richtig ? "" : "FEHLER: falsches Ergebnis");
        std::fflush(stdout);
        std::_Exit(0);
    }
    int status = 0;
    waitpid(kind, &status, 0);
}

} // namespace

int main(int argc, char** argv) {
    std::printf("  Dienste  Daten MiB  Lesen ms  Zuwachs MiB\n");
    if (argc < 2)
        for (const int n : {20000, 100000, 200000})
            Miss(n);
    for (int i = 1; i < argc; ++i)
        Miss(std::atoi(argv[i]));
    std::printf("\nZiel: 20000 Dienste in 50 Bouquets unter 300 ms\n");
}
