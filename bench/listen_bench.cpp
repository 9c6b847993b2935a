// Times reading, renumbering and writing of large channel lists, as 8-bit and as
// UTF-16 list files, and the peak memory of each case. Prints figures only: the exit
// code does not depend on whether the goals are met.
//
//   listen-bench [größte Anzahl]   e.g. "listen-bench 100000" leaves out the million

#include "Kindlauf.h"
#include "list/Listendatei.h"
#include "list/Nummerierung.h"
#include "list/SenderListe.h"
#include "list/Zeilenformat.h"
#include "platform/Fehler.h"
#include "platform/Ordner.h"
#include "platform/Zeichensatz.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <numeric>
#include <random>
#include <vector>

namespace {

using namespace senvio;

enum class Kodierung { Windows1252, Utf16 };

const char* KodierungsName(Kodierung k) {
    return k == Kodierung::Windows1252 ? "Windows-1252" : "UTF-16";
}

struct Sender {
    QStringView name;
    QStringView logo; // file name without ".png"; empty: a placeholder logo
};

// Names as they occur in real lists; the Unicode list adds names that Windows-1252
// cannot hold, so its file has to stay UTF-16.
constexpr std::array Sender8Bit = {
    Sender{u"Das Erste HD", u"das_erste_hd"},
    Sender{u"ZDF HD", u"zdf_hd"},
    Sender{u"WDR Köln HD", u"wdr_koeln_hd"},
    Sender{u"BR Fernsehen Süd HD", u"br_fernsehen_sued_hd"},
    Sender{u"arte HD", u"arte_hd"},
    Sender{u"3sat HD", u"3sat_hd"},
    Sender{u"Bayern 3", u""},
    Sender{u"Deutschlandfunk Kultur", u"deutschlandfunk_kultur"},
    Sender{u"Hitradio Ö3", u"hitradio_oe3"},
    Sender{u"Radio Fröhlich", u""},
};
constexpr std::array SenderUnicode = {
    Sender{u"Das Erste HD", u"das_erste_hd"},
    Sender{u"Первый канал", u"perviy_kanal"},
    Sender{u"WDR Köln HD", u"wdr_koeln_hd"},
    Sender{u"Россия 1 HD", u"rossiya_1_hd"},
    Sender{u"arte HD", u"arte_hd"},
    Sender{u"ΕΡΤ1 HD", u"ert1_hd"},
    Sender{u"Bayern 3", u""},
    Sender{u"TVP Polonia Śląsk", u"tvp_polonia"},
    Sender{u"Hitradio Ö3", u"hitradio_oe3"},
    Sender{u"Радио Маяк", u""},
};

// The line of entry n, as the renumbering would give it at place n.
QString BeispielZeile(qsizetype n, Kodierung k) {
    const Sender& s =
        k == Kodierung::Windows1252 ? Sender8Bit[n % Sender8Bit.size()] : SenderUnicode[n % SenderUnicode.size()];
    const QString name = s.name.toString() + u' ' + QString::number(n);
    static const QString logoOrdner = ListenordnerToken + QStringLiteral("Sender-Logos\\");
    const QString logo =
        s.logo.isEmpty() ? Platzhalterpfad(int(1 + n % 4)) : logoOrdner + s.logo.toString() + QStringLiteral(".png");
    return BaueZeile(Praefix(n), name, logo);
}

void HaengeKodiertAn(QByteArray& puffer, const QString& text, Kodierung k) {
    if (k == Kodierung::Windows1252) {
        puffer.append(NachWindows1252(text));
        return;
    }
    for (const QChar c : text) {
        puffer.append(char(c.unicode() & 0xFF));
        puffer.append(char(c.unicode() >> 8));
    }
}

// Writes a list file of entries 1 to anzahl in shuffled order: each line keeps the
// prefix of its old number, so the renumbering has to rewrite nearly every line.
// Written piecewise, so making the file leaves no mark on the peak memory.
bool ErzeugeListendatei(const QString& pfad, qsizetype anzahl, Kodierung k) {
    std::vector<qsizetype> reihenfolge(static_cast<size_t>(anzahl));
    std::iota(reihenfolge.begin(), reihenfolge.end(), qsizetype(1));
    std::mt19937_64 zufall(20240601);
    std::shuffle(reihenfolge.begin(), reihenfolge.end(), zufall);

    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        return false;
    }
    QByteArray puffer;
    if (k == Kodierung::Utf16) {
        puffer.append("\xFF\xFE", 2);
    }
    for (const qsizetype n : reihenfolge) {
        HaengeKodiertAn(puffer, BeispielZeile(n, k) + QStringLiteral("\r\n"), k);
        if (puffer.size() >= (1 << 20)) {
            if (datei.write(puffer) != puffer.size()) {
                return false;
            }
            puffer.resize(0);
        }
    }
    return datei.write(puffer) == puffer.size() && datei.flush();
}

using Uhr = std::chrono::steady_clock;

double Millisekunden(Uhr::time_point von, Uhr::time_point bis) {
    return std::chrono::duration<double, std::milli>(bis - von).count();
}

// What a child process sends back through its pipe: plain data only.
struct Ergebnis {
    bool ok = false;
    char fehler[240] = {};
    int laeufe = 0;
    double lesenMs = 0;
    double nummerierenMs = 0;
    double schreibenMs = 0;
    double summeMs = 0; // median of the runs' sums, not the sum of the medians
    double cpuMs = 0;   // processor time of the three steps: tells a slow step from a busy machine
    long spitzeKiB = 0;
    qint64 dateiBytes = 0;
};

Ergebnis Fehlschlag(const QString& text) {
    Ergebnis e;
    std::snprintf(e.fehler, sizeof e.fehler, "%s", text.toUtf8().constData());
    return e;
}

// One case: make the file, then read, renumber and write it "laeufe" times.
Ergebnis MissFall(qsizetype anzahl, Kodierung k, int laeufe) {
    QTemporaryDir ordner(QDir::tempPath() + QStringLiteral("/listen-bench-XXXXXX"));
    if (!ordner.isValid()) {
        return Fehlschlag(QStringLiteral("kein temporärer Ordner"));
    }
    const QString quelle = ordner.filePath(QStringLiteral("quelle.lis"));
    const QString ziel = ordner.filePath(QStringLiteral("neu.lis"));
    if (!ErzeugeListendatei(quelle, anzahl, k)) {
        return Fehlschlag(QStringLiteral("Listendatei nicht erzeugt"));
    }

    Ergebnis e;
    e.laeufe = laeufe;
    e.dateiBytes = QFileInfo(quelle).size();
    std::vector<double> lesen, nummerieren, schreiben, summe, cpu;
    for (int lauf = 0; lauf < laeufe; ++lauf) {
        QFile::remove(ziel); // every run writes a new file
        SenderListe liste;
        try {
            const std::clock_t c0 = std::clock();
            const auto t0 = Uhr::now();
            LeseListendatei(quelle, liste);
            const auto t1 = Uhr::now();
            KorrigiereDieNummern(liste);
            const auto t2 = Uhr::now();
            SchreibeListendatei(ziel, liste);
            const auto t3 = Uhr::now();
            const std::clock_t c3 = std::clock();
            lesen.push_back(Millisekunden(t0, t1));
            nummerieren.push_back(Millisekunden(t1, t2));
            schreiben.push_back(Millisekunden(t2, t3));
            summe.push_back(Millisekunden(t0, t3));
            cpu.push_back(1000.0 * double(c3 - c0) / CLOCKS_PER_SEC);
        } catch (const Fehler& f) {
            return Fehlschlag(f.meldung());
        }
        // The same entries with their new numbers: as many lines, the same number of
        // characters, so the new file is exactly as long as the old one.
        const bool unicode = k == Kodierung::Utf16;
        if (liste.Anzahl() != anzahl || liste.IstUnicode() != unicode || !liste.Zeile(0).startsWith(Praefix(1)) ||
            !liste.Zeile(anzahl - 1).startsWith(Praefix(anzahl)) || QFileInfo(ziel).size() != e.dateiBytes) {
            return Fehlschlag(QStringLiteral("Ergebnis stimmt nicht"));
        }
    }
    e.lesenMs = Median(lesen);
    e.nummerierenMs = Median(nummerieren);
    e.schreibenMs = Median(schreiben);
    e.summeMs = Median(summe);
    e.cpuMs = Median(cpu);

    rusage verbrauch{};
    getrusage(RUSAGE_SELF, &verbrauch);
    e.spitzeKiB = verbrauch.ru_maxrss; // Linux gives kibibytes
    e.ok = true;
    return e;
}

// Runs the case in a child process so that ru_maxrss is the peak of this case alone.
Ergebnis MissFallImKind(qsizetype anzahl, Kodierung k, int laeufe) {
    int rohr[2];
    if (pipe(rohr) != 0) {
        return Fehlschlag(QStringLiteral("pipe fehlgeschlagen"));
    }
    std::fflush(stdout); // the child must not print the parent's buffered text again
    const pid_t kind = fork();
    if (kind < 0) {
        close(rohr[0]);
        close(rohr[1]);
        return Fehlschlag(QStringLiteral("fork fehlgeschlagen"));
    }
    if (kind == 0) {
        close(rohr[0]);
        const Ergebnis e = MissFall(anzahl, k, laeufe);
        const char* p = reinterpret_cast<const char*>(&e);
        size_t rest = sizeof e;
        while (rest > 0) {
            const ssize_t n = write(rohr[1], p, rest);
            if (n <= 0) {
                _exit(1);
            }
            p += n;
            rest -= size_t(n);
        }
        _exit(0);
    }
    close(rohr[1]);
    Ergebnis e;
    char* p = reinterpret_cast<char*>(&e);
    size_t gelesen = 0;
    while (gelesen < sizeof e) {
        const ssize_t n = read(rohr[0], p + gelesen, sizeof e - gelesen);
        if (n <= 0) {
            break;
        }
        gelesen += size_t(n);
    }
    close(rohr[0]);
    int status = 0;
    waitpid(kind, &status, 0);
    if (gelesen != sizeof e || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return Fehlschlag(QStringLiteral("Kindprozess abgebrochen (Status %1)").arg(status));
    }
    return e;
}

// printf counts bytes; the heads hold umlauts, so pad by characters.
void DruckeSpalte(const char* text, int breite, bool links = false) {
    const int laenge = int(QString::fromUtf8(text).size());
    const int fuellung = std::max(0, breite - laenge);
    if (!links) {
        std::printf("%*s", fuellung, "");
    }
    std::printf("%s", text);
    if (links) {
        std::printf("%*s", fuellung, "");
    }
}

constexpr double MiB = 1024.0 * 1024.0;

void DruckeKopf() {
    DruckeSpalte("Einträge", 9);
    std::printf("  ");
    DruckeSpalte("Kodierung", 12, true);
    DruckeSpalte("Datei MiB", 11);
    DruckeSpalte("Läufe", 7);
    DruckeSpalte("Lesen ms", 10);
    DruckeSpalte("Nummerieren ms", 16);
    DruckeSpalte("Schreiben ms", 14);
    DruckeSpalte("Summe ms", 10);
    DruckeSpalte("CPU ms", 10);
    DruckeSpalte("Spitze MiB", 12);
    std::printf("\n");
}

void DruckeZeile(qsizetype anzahl, Kodierung k, const Ergebnis& e) {
    std::printf("%9lld  %-12s", static_cast<long long>(anzahl), KodierungsName(k));
    if (!e.ok) {
        std::printf("  Fehler: %s\n", e.fehler);
        return;
    }
    std::printf("%11.1f%7d%10.1f%16.1f%14.1f%10.1f%10.1f%12.1f\n", double(e.dateiBytes) / MiB, e.laeufe, e.lesenMs,
                e.nummerierenMs, e.schreibenMs, e.summeMs, e.cpuMs, double(e.spitzeKiB) / 1024.0);
}

void DruckeZiele(const std::map<std::pair<qsizetype, Kodierung>, Ergebnis>& ergebnisse) {
    auto gefunden = [&](qsizetype anzahl, Kodierung k) -> const Ergebnis* {
        const auto it = ergebnisse.find({anzahl, k});
        return it != ergebnisse.end() && it->second.ok ? &it->second : nullptr;
    };
    auto bewertung = [](bool erreicht) { return erreicht ? "erreicht" : "VERFEHLT"; };
    std::printf("\nZiele\n");
    for (const Kodierung k : {Kodierung::Windows1252, Kodierung::Utf16}) {
        const QByteArray text = QStringLiteral("  Summe bei 100000 Einträgen, %1:").arg(KodierungsName(k)).toUtf8();
        DruckeSpalte(text.constData(), 48, true);
        if (const Ergebnis* e = gefunden(100000, k)) {
            std::printf("%8.1f ms   Ziel höchstens 300 ms: %s\n", e->summeMs, bewertung(e->summeMs <= 300.0));
        } else {
            std::printf("nicht gemessen\n");
        }
    }
    for (const Kodierung k : {Kodierung::Windows1252, Kodierung::Utf16}) {
        const QByteArray text = QStringLiteral("  Summe 1000000 / Summe 100000, %1:").arg(KodierungsName(k)).toUtf8();
        DruckeSpalte(text.constData(), 48, true);
        const Ergebnis* gross = gefunden(1000000, k);
        const Ergebnis* klein = gefunden(100000, k);
        if (gross && klein && klein->summeMs > 0) {
            const double verhaeltnis = gross->summeMs / klein->summeMs;
            std::printf("%8.2f      Ziel höchstens 12:     %s\n", verhaeltnis, bewertung(verhaeltnis <= 12.0));
        } else {
            std::printf("nicht gemessen\n");
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    qsizetype groesste = 1000000;
    if (argc > 2 || (argc == 2 && (groesste = std::strtoll(argv[1], nullptr, 10)) <= 0)) {
        std::fprintf(stderr, "Aufruf: %s [größte Anzahl der Einträge]\n", argv[0]);
        return 2;
    }
    std::vector<qsizetype> anzahlen;
    for (const qsizetype n : {qsizetype(10000), qsizetype(100000), qsizetype(1000000)}) {
        if (n <= groesste) {
            anzahlen.push_back(n);
        }
    }
    if (anzahlen.empty()) {
        anzahlen.push_back(groesste); // a small size of its own for a quick look
    }

    std::printf("Senderlisten: Lesen, Nummerieren, Schreiben; Median der Läufe, Spitze je Fall (eigener Prozess)\n\n");
    DruckeKopf();
    std::map<std::pair<qsizetype, Kodierung>, Ergebnis> ergebnisse;
    for (const qsizetype anzahl : anzahlen) {
        for (const Kodierung k : {Kodierung::Windows1252, Kodierung::Utf16}) {
            const int laeufe = anzahl <= 100000 ? 5 : 3;
            const Ergebnis e = MissFallImKind(anzahl, k, laeufe);
            DruckeZeile(anzahl, k, e);
            std::fflush(stdout);
            ergebnisse[{anzahl, k}] = e;
        }
    }
    DruckeZiele(ergebnisse);
    return 0;
}
