// Helper of AbsturzTest: saves two large lists to one file by turns, without end,
// until it is killed. List A is plain ASCII (written 8-bit), list B has one Cyrillic
// line (written UTF-16). AbsturzTest builds the bytes of both files by hand from the
// same rule; change both together.
//
// Call: listen-schreiber DATEI. Once list A is saved the first time, one byte goes
// to standard output and the output is closed: the file is whole from then on.
#include "list/ListenDatei.h"
#include "platform/Fehler.h"

#include <QFile>
#include <cstdio>
#include <string>
#include <unistd.h>

using namespace senvio;

namespace {

constexpr int Zeilen = 100000;
constexpr int ZeileMitKyrillisch = 50000;

// Line n of list "A" or "B": "  n = Sender A n #png#an.png". Built through one
// std::string per line: the helper starts 40 times per test run, under the
// sanitizers too, and most of its start is building these lines.
QString Zeile(char liste, int n) {
    const std::string zahl = std::to_string(n);
    const char logo = liste == 'A' ? 'a' : 'b';
    if (liste == 'B' && n == ZeileMitKyrillisch) {
        return QStringLiteral("  %1 = Первый канал #png#b%1.png").arg(QString::fromStdString(zahl));
    }
    std::string z;
    z.reserve(64);
    z.append("  ").append(zahl).append(" = Sender ").append(1, liste).append(1, ' ').append(zahl);
    z.append(" #png#").append(1, logo).append(zahl).append(".png");
    return QString::fromLatin1(z.data(), qsizetype(z.size()));
}

SenderListe BaueListe(char liste) {
    SenderListe l;
    for (int n = 1; n <= Zeilen; ++n) {
        l.HaengeAn(Zeile(liste, n));
    }
    return l;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: listen-schreiber DATEI\n");
        return 2;
    }
    const QString pfad = QFile::decodeName(argv[1]);
    SenderListe a = BaueListe('A');
    SenderListe b = BaueListe('B');
    try {
        SchreibeListendatei(pfad, a);
        if (write(STDOUT_FILENO, "1", 1) != 1) {
            return 3;
        }
        close(STDOUT_FILENO);
        for (;;) {
            SchreibeListendatei(pfad, b);
            SchreibeListendatei(pfad, a);
        }
    } catch (const Fehler& f) {
        std::fprintf(stderr, "listen-schreiber: %s\n", f.what());
        return 1;
    }
}
