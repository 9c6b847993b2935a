// Times pdf-bilder against img2pdf on the same ten page pictures of 966 × 1278 pixels
// that look like printed card pages: white ground, rows of anti-aliased text, small
// coloured logos, dotted cut lines. Both run alternately, several times each; prints
// the medians, their ratio, both output sizes and the peak memory of pdf-bilder.
// Prints figures only: the exit code does not depend on whether the goals are met.
//
//   pdf-bilder-bench [Läufe]        default 7 runs of each tool
//   SENVIO_PYTHON=/pfad/python3     the Python that has img2pdf (default /usr/bin/python3)
//   SENVIO_BEHALTEN=1               keeps the pictures and both PDFs to look at
#include "Kindlauf.h"
#include "pdf/BmpDatei.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace {

using namespace senvio;
namespace fs = std::filesystem;

constexpr int Breite = 966;
constexpr int Hoehe = 1278;
constexpr int Seiten = 10;

struct Farbe {
    std::uint8_t r, g, b;
};

class Seite {
public:
    Seite() : m_pixel(std::size_t(Breite) * Hoehe * 4, 255) {}

    // Blends the colour into the pixel with coverage 0..1, as anti-aliased drawing does.
    void Mische(int x, int y, Farbe f, double deckung) {
        if (x < 0 || y < 0 || x >= Breite || y >= Hoehe || deckung <= 0) {
            return;
        }
        deckung = std::min(deckung, 1.0);
        std::uint8_t* p = &m_pixel[(std::size_t(y) * Breite + std::size_t(x)) * 4];
        p[0] = std::uint8_t(std::lround(p[0] * (1 - deckung) + f.b * deckung));
        p[1] = std::uint8_t(std::lround(p[1] * (1 - deckung) + f.g * deckung));
        p[2] = std::uint8_t(std::lround(p[2] * (1 - deckung) + f.r * deckung));
    }

    BildPixel Ansicht() const { return {Breite, Hoehe, 4, 0, m_pixel}; }

private:
    std::vector<std::uint8_t> m_pixel;
};

// A glyph: coverage values of a few strokes, so edges come out grey like real text.
struct Glyphe {
    int breite = 0;
    std::array<std::array<double, 10>, 13> deckung{};
};

double AbstandZurStrecke(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / std::max(1e-9, dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

std::vector<Glyphe> ErfindeSchrift(std::mt19937& zufall) {
    std::vector<Glyphe> schrift(60);
    for (Glyphe& g : schrift) {
        g.breite = 5 + int(zufall() % 5);
        const int striche = 2 + int(zufall() % 3);
        for (int s = 0; s < striche; ++s) {
            const double ax = zufall() % g.breite, ay = 2 + zufall() % 11;
            const double bx = zufall() % g.breite, by = 2 + zufall() % 11;
            for (int y = 0; y < 13; ++y) {
                for (int x = 0; x < g.breite; ++x) {
                    const double d = AbstandZurStrecke(x + 0.5, y + 0.5, ax + 0.5, ay + 0.5, bx + 0.5, by + 0.5);
                    g.deckung[y][x] = std::max(g.deckung[y][x], std::clamp(1.3 - d, 0.0, 1.0));
                }
            }
        }
    }
    return schrift;
}

int SchreibeText(Seite& seite, const std::vector<Glyphe>& schrift, int x, int y, int zeichen, std::mt19937& zufall,
                 Farbe farbe = {0, 0, 0}) {
    for (int i = 0; i < zeichen; ++i) {
        if (zufall() % 7 == 0) {
            x += 4; // a blank between words
            continue;
        }
        const Glyphe& g = schrift[zufall() % schrift.size()];
        for (int gy = 0; gy < 13; ++gy) {
            for (int gx = 0; gx < g.breite; ++gx) {
                seite.Mische(x + gx, y + gy, farbe, g.deckung[gy][gx]);
            }
        }
        x += g.breite + 1;
    }
    return x;
}

// A 60 × 40 logo: a ground (white, plain or a gradient), a soft-edged disc and a short text.
void MaleLogo(Seite& seite, const std::vector<Glyphe>& schrift, int x0, int y0, std::mt19937& zufall) {
    auto zufallsfarbe = [&] { return Farbe{std::uint8_t(zufall()), std::uint8_t(zufall()), std::uint8_t(zufall())}; };
    const Farbe grund = zufallsfarbe(), zweite = zufallsfarbe(), scheibe = zufallsfarbe();
    const int art = int(zufall() % 3);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (art == 1) {
                seite.Mische(x0 + x, y0 + y, grund, 1.0);
            } else if (art == 2) {
                const double t = (x + y) / 98.0;
                seite.Mische(x0 + x, y0 + y,
                             {std::uint8_t(grund.r * (1 - t) + zweite.r * t),
                              std::uint8_t(grund.g * (1 - t) + zweite.g * t),
                              std::uint8_t(grund.b * (1 - t) + zweite.b * t)},
                             1.0);
            }
        }
    }
    const double cx = 12 + zufall() % 36, cy = 10 + zufall() % 20, radius = 6 + zufall() % 10;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            seite.Mische(x0 + x, y0 + y, scheibe, radius + 0.5 - std::hypot(x + 0.5 - cx, y + 0.5 - cy));
        }
    }
    SchreibeText(seite, schrift, x0 + 4, y0 + 24, 5, zufall, art == 0 ? Farbe{20, 20, 90} : Farbe{255, 255, 255});
}

// Dotted cut line: one pixel on, one off, as a dotted pen draws it.
void MalePunktlinie(Seite& seite, int x0, int y0, int x1, int y1) {
    for (int x = x0, y = y0; x <= x1 && y <= y1; x += (x0 != x1), y += (y0 != y1)) {
        if ((x + y) % 2 == 0) {
            seite.Mische(x, y, {0, 0, 0}, 1.0);
        }
    }
}

// Four cards of 478 × 634 with 15 entries each: number, logo, station name.
Seite MaleSeite(int nummer, const std::vector<Glyphe>& schrift) {
    std::mt19937 zufall(1000 + nummer);
    Seite seite;
    for (int karte = 0; karte < 4; ++karte) {
        const int kx = (karte % 2) * 488, ky = (karte / 2) * 644;
        for (int eintrag = 0; eintrag < 15; ++eintrag) {
            const int y = ky + 8 + eintrag * 41;
            SchreibeText(seite, schrift, kx + 8, y + 14, 3, zufall);
            MaleLogo(seite, schrift, kx + 40, y, zufall);
            SchreibeText(seite, schrift, kx + 110, y + 14, 10 + int(zufall() % 25), zufall);
        }
    }
    MalePunktlinie(seite, 483, 0, 483, Hoehe - 1);
    MalePunktlinie(seite, 0, 639, Breite - 1, 639);
    return seite;
}

struct Lauf {
    double sekunden = 0;
    double cpuSekunden = 0; // user and system time: steadier than the wall clock on a busy machine
    long spitzeKiB = 0;
    bool ok = false;
};

Lauf Starte(const std::vector<std::string>& befehl) {
    std::vector<char*> argv;
    for (const std::string& teil : befehl) {
        argv.push_back(const_cast<char*>(teil.c_str()));
    }
    argv.push_back(nullptr);
    const auto anfang = std::chrono::steady_clock::now();
    pid_t kind = 0;
    Lauf lauf;
    if (posix_spawn(&kind, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return lauf;
    }
    int status = 0;
    rusage verbrauch{};
    wait4(kind, &status, 0, &verbrauch);
    lauf.sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    lauf.cpuSekunden = double(verbrauch.ru_utime.tv_sec + verbrauch.ru_stime.tv_sec) +
                       double(verbrauch.ru_utime.tv_usec + verbrauch.ru_stime.tv_usec) / 1e6;
    lauf.spitzeKiB = verbrauch.ru_maxrss;
    lauf.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return lauf;
}

const char* Bewertung(bool erreicht) {
    return erreicht ? "erreicht" : "VERFEHLT";
}

} // namespace

int main(int argc, char** argv) {
    const int laeufe = argc > 1 ? std::atoi(argv[1]) : 7;
    if (argc > 2 || laeufe <= 0) {
        std::fprintf(stderr, "Aufruf: %s [Läufe]\n", argv[0]);
        return 2;
    }
    const char* python = std::getenv("SENVIO_PYTHON") ? std::getenv("SENVIO_PYTHON") : "/usr/bin/python3";
    const std::string werkzeug = fs::canonical("/proc/self/exe").parent_path() / "../tools/pdf-bilder/pdf-bilder";

    char vorlage[] = "/tmp/pdf-bilder-bench-XXXXXX";
    if (!mkdtemp(vorlage)) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path ordner = vorlage;
    fs::current_path(ordner); // pdf-bilder stages its pictures in the current folder

    std::mt19937 zufall(42);
    const std::vector<Glyphe> schrift = ErfindeSchrift(zufall);
    std::vector<std::string> bilder;
    for (int s = 1; s <= Seiten; ++s) {
        bilder.push_back("DINA4_" + std::to_string(s) + ".bmp");
        SchreibeBmp(bilder.back(), MaleSeite(s, schrift).Ansicht());
    }
    std::vector<std::string> unser = {werkzeug, "unser.pdf"};
    std::vector<std::string> fremd = {python, "-m", "img2pdf", "-o", "img2pdf.pdf"};
    unser.insert(unser.end(), bilder.begin(), bilder.end());
    fremd.insert(fremd.end(), bilder.begin(), bilder.end());

    std::printf("%d Seitenbilder %d × %d, 32 Bit, zusammen %.1f MiB; %d Läufe je Werkzeug, abwechselnd\n", Seiten,
                Breite, Hoehe, double(fs::file_size(bilder[0])) * Seiten / (1 << 20), laeufe);
    Starte(unser); // warm the page cache and Python's byte code first
    Starte(fremd);
    std::vector<double> zeitUnser, zeitFremd, cpuUnser, cpuFremd;
    long spitze = 0;
    for (int i = 0; i < laeufe; ++i) {
        const Lauf a = Starte(unser);
        const Lauf b = Starte(fremd);
        if (!a.ok || !b.ok) {
            std::fprintf(stderr, "Lauf gescheitert: pdf-bilder %s, img2pdf %s\n", a.ok ? "ok" : "Fehler",
                         b.ok ? "ok" : "Fehler");
            return 1;
        }
        zeitUnser.push_back(a.sekunden);
        zeitFremd.push_back(b.sekunden);
        cpuUnser.push_back(a.cpuSekunden);
        cpuFremd.push_back(b.cpuSekunden);
        spitze = std::max(spitze, a.spitzeKiB);
    }
    const double mUnser = Median(zeitUnser) * 1000, mFremd = Median(zeitFremd) * 1000;
    const double cUnser = Median(cpuUnser) * 1000, cFremd = Median(cpuFremd) * 1000;
    const auto gUnser = fs::file_size("unser.pdf"), gFremd = fs::file_size("img2pdf.pdf");
    std::printf("                      Uhrzeit      CPU-Zeit (Median)\n");
    std::printf("pdf-bilder:          %8.1f ms  %8.1f ms\n", mUnser, cUnser);
    std::printf("img2pdf:             %8.1f ms  %8.1f ms\n", mFremd, cFremd);
    std::printf("Verhältnis:          %8.2f     %8.2f     Ziel mindestens 6: Uhrzeit %s, CPU-Zeit %s\n",
                mFremd / mUnser, cFremd / cUnser, Bewertung(mFremd / mUnser >= 6), Bewertung(cFremd / cUnser >= 6));
    std::printf("Größe pdf-bilder:    %8ju Bytes\n", std::uintmax_t(gUnser));
    std::printf("Größe img2pdf:       %8ju Bytes Ziel pdf-bilder nicht größer: %s\n", std::uintmax_t(gFremd),
                Bewertung(gUnser <= gFremd));
    std::printf("Spitze pdf-bilder:   %8.1f MiB  Ziel unter 60 MB:            %s\n", spitze / 1024.0,
                Bewertung(spitze * 1024.0 < 60e6));
    fs::current_path("/");
    if (std::getenv("SENVIO_BEHALTEN")) {
        std::printf("Bilder und PDF-Dateien liegen in %s\n", ordner.c_str());
    } else {
        fs::remove_all(ordner);
    }
    return 0;
}
