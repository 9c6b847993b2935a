// Helper of AbsturzTest: saves list A, writes one byte to standard output and closes it (the file is whole from then
// on), then saves B, A, B, ... until it is killed. Call: listen-schreiber DATEI (from AbsturzTest only).
#include "AbsturzListen.h"
#include "list/Listendatei.h"

#include <QFile>
#include <unistd.h>

using namespace senvio;

int main(int, char** argv) {
    const QString pfad = QFile::decodeName(argv[1]);
    SenderListe a = test::AbsturzListe('A');
    SenderListe b = test::AbsturzListe('B');
    SchreibeListendatei(pfad, a); // a failure ends the helper by its exception, before the byte
    if (write(STDOUT_FILENO, "1", 1) != 1)
        return 3;
    close(STDOUT_FILENO);
    for (;;) {
        SchreibeListendatei(pfad, b);
        SchreibeListendatei(pfad, a);
    }
}
