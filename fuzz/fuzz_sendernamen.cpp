// Feeds any bytes to the station name reader and checks what must hold for every file.
//
// Invariants, for N = DekodiereSendernamen(bytes), when the bytes are taken for text:
// 1. Every name is single-line already: no line end, no character 0, no blank at
//    either end (MacheEinzeilig leaves it as it is).
// 2. A name in a list line parses back to it: it holds no separator.
// 3. Written back as FF FE and UTF-16 little-endian, each name followed by CR LF, the
//    names read back unchanged; lone surrogates go through, the file stores code units.
#include "Invariante.h"
#include "list/Sendernamen.h"
#include "list/Zeilenformat.h"

#include <cstdint>

using namespace senvio;
using senvio::fuzz::Pruefe;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    const std::optional<QStringList> namen = DekodiereSendernamen(bytes);
    if (!namen) {
        return 0;
    }

    QByteArray utf16("\xFF\xFE");
    const auto schreibe = [&utf16](char16_t e) {
        utf16.append(char(e & 0xFF));
        utf16.append(char(e >> 8));
    };
    for (const QString& name : *namen) {
        Pruefe(MacheEinzeilig(name) == name, "Name ist nicht einzeilig");
        Pruefe(name.isEmpty() || ZerlegeZeile(BaueZeile(Praefix(1), name, Platzhalterpfad(1))).name == name,
               "Zeile liest sich anders zurück");
        for (const QChar z : name) {
            schreibe(z.unicode());
        }
        schreibe(u'\r');
        schreibe(u'\n');
    }
    Pruefe(DekodiereSendernamen(utf16) == namen, "UTF-16-Datei liest sich anders zurück");
    return 0;
}
