#include "Windows1252.h"

#include "HilfeFehler.h"
#include "platform/Zeichensatz.h"

#include <QList>
#include <QString>

#include <cstdio>

namespace senvio::hilfe {

namespace {

[[noreturn]] void Melde(int zeile, const std::string& was) {
    throw HilfeFehler("Zeile " + std::to_string(zeile) + ": " + was);
}

// Control characters have a byte but no glyph in the standard fonts.
bool IstDruckbar(char32_t zeichen) {
    const QString einzeln = QString::fromUcs4(&zeichen, 1);
    return zeichen >= 0x20 && !(zeichen >= 0x7F && zeichen <= 0x9F) && PasstInWindows1252(einzeln);
}

} // namespace

std::string NachWindows1252(std::string_view utf8, int zeile) {
    const QByteArrayView bytes(utf8.data(), qsizetype(utf8.size()));
    if (!IstGueltigesUtf8(bytes))
        Melde(zeile, "kein gültiges UTF-8.");
    const QString text = QString::fromUtf8(bytes);
    for (const uint code : text.toUcs4()) {
        const char32_t zeichen = code;
        if (!IstDruckbar(zeichen)) {
            char nummer[16];
            std::snprintf(nummer, sizeof nummer, "U+%04X", unsigned(zeichen));
            const std::string wie = zeichen >= 0x20 ? " \"" + QString::fromUcs4(&zeichen, 1).toStdString() + "\"" : "";
            Melde(zeile, std::string("Das Zeichen ") + nummer + wie +
                             " gibt es in Windows-1252 nicht; die Schriften des PDF können es nicht zeigen.");
        }
    }
    return senvio::NachWindows1252(text).toStdString();
}

} // namespace senvio::hilfe
