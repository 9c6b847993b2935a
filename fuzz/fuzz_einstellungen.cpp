// Feeds any bytes as a settings file to the INI reader and writer.
//
// Input: byte 0 picks the section (bits 0-1) and the key (bits 2-3) to write, byte 1
// is the length n of the value, the next n bytes are the value in UTF-8 (invalid
// sequences become U+FFFD, so the value is always valid Unicode), the rest is the file.
//
// Invariants, for every file:
// 1. A value with CR, LF or character 0 is refused.
// 2. Any other value written reads back exactly, whatever the file held before.
// 3. Every other (section, key) of the sets below reads as before. The names are
//    plain, distinct even without regard to case, and hold no "=", "[" or "]", so
//    no two of them can name the same line.
// 4. Writing the same value again changes no byte.
#include "Invariante.h"
#include "platform/Einstellungen.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace senvio;
using senvio::fuzz::Pruefe;

namespace {

const std::array<QString, 4> Abschnitte = {QStringLiteral("Einstellungen"), QStringLiteral("Drucker"),
                                           QStringLiteral("Größe"), QStringLiteral("Letzte Liste")};
const std::array<QString, 4> Schluessel = {QStringLiteral("Liste"), QStringLiteral("Schrift"), QStringLiteral("Breite"),
                                           QStringLiteral("Über uns")};

using Werte = std::array<std::array<QString, 4>, 4>;

Werte LeseAlle(const QByteArray& inhalt) {
    Werte w;
    for (size_t a = 0; a < Abschnitte.size(); ++a) {
        for (size_t s = 0; s < Schluessel.size(); ++s) {
            w[a][s] = IniWertAusText(inhalt, Abschnitte[a], Schluessel[s]);
        }
    }
    return w;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    if (groesse < 2) {
        return 0;
    }
    const size_t a = daten[0] & 3;
    const size_t s = (daten[0] >> 2) & 3;
    const size_t wertLaenge = std::min<size_t>(daten[1], groesse - 2);
    const QString wert = QString::fromUtf8(reinterpret_cast<const char*>(daten + 2), qsizetype(wertLaenge));
    const QByteArray inhalt(reinterpret_cast<const char*>(daten + 2 + wertLaenge), qsizetype(groesse - 2 - wertLaenge));

    const Werte vorher = LeseAlle(inhalt);
    const auto neu = IniTextMitWert(inhalt, Abschnitte[a], Schluessel[s], wert);
    const bool umbruch = wert.contains(u'\r') || wert.contains(u'\n') || wert.contains(QChar(0));
    Pruefe(neu.has_value() != umbruch, "Wert mit Zeilenumbruch angenommen oder Wert ohne abgelehnt");
    if (!neu) {
        return 0;
    }

    const Werte nachher = LeseAlle(*neu);
    Pruefe(nachher[a][s] == wert, "geschriebener Wert liest sich anders");
    for (size_t i = 0; i < Abschnitte.size(); ++i) {
        for (size_t j = 0; j < Schluessel.size(); ++j) {
            Pruefe((i == a && j == s) || nachher[i][j] == vorher[i][j], "ein anderer Wert hat sich geändert");
        }
    }

    const auto nochmal = IniTextMitWert(*neu, Abschnitte[a], Schluessel[s], wert);
    Pruefe(nochmal && *nochmal == *neu, "zweites Schreiben desselben Werts ändert die Datei");
    return 0;
}
