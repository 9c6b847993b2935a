#include "Windows1252.h"

#include "HilfeFehler.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace senvio::hilfe {

namespace {

// The characters of 0x80 to 0x9F; 0 where Windows-1252 has none.
constexpr std::array<char32_t, 32> Block80 = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                              0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The byte of a character, or -1 when it has none.
int Byte(char32_t zeichen) {
    if ((zeichen >= 0x20 && zeichen < 0x7F) || (zeichen >= 0xA0 && zeichen <= 0xFF)) {
        return int(zeichen);
    }
    for (std::size_t i = 0; i < Block80.size(); ++i) {
        if (zeichen != 0 && Block80[i] == zeichen) {
            return int(0x80 + i);
        }
    }
    return -1;
}

[[noreturn]] void Melde(int zeile, const std::string& was) {
    throw HilfeFehler("Zeile " + std::to_string(zeile) + ": " + was);
}

// The character starting at `i`, which moves past it.
char32_t LiesZeichen(std::string_view text, std::size_t& i, int zeile) {
    const auto erstes = std::uint8_t(text[i++]);
    int folgende = 0;
    char32_t zeichen = erstes;
    if (erstes >= 0xC2 && erstes <= 0xDF) {
        folgende = 1, zeichen = erstes & 0x1F;
    } else if (erstes >= 0xE0 && erstes <= 0xEF) {
        folgende = 2, zeichen = erstes & 0x0F;
    } else if (erstes >= 0xF0 && erstes <= 0xF4) {
        folgende = 3, zeichen = erstes & 0x07;
    } else if (erstes >= 0x80) {
        Melde(zeile, "kein gültiges UTF-8 (Byte " + std::to_string(erstes) + ").");
    }
    for (int n = 0; n < folgende; ++n) {
        if (i >= text.size() || (std::uint8_t(text[i]) & 0xC0) != 0x80) {
            Melde(zeile, "kein gültiges UTF-8 (ein Zeichen bricht ab).");
        }
        zeichen = (zeichen << 6) | (std::uint8_t(text[i++]) & 0x3F);
    }
    const char32_t kleinstes[] = {0, 0x80, 0x800, 0x10000};
    if (zeichen < kleinstes[folgende] || zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen <= 0xDFFF)) {
        Melde(zeile, "kein gültiges UTF-8.");
    }
    return zeichen;
}

} // namespace

std::string NachWindows1252(std::string_view utf8, int zeile) {
    std::string bytes;
    bytes.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t anfang = i;
        const char32_t zeichen = LiesZeichen(utf8, i, zeile);
        const int byte = Byte(zeichen);
        if (byte < 0) {
            char nummer[16];
            std::snprintf(nummer, sizeof nummer, "U+%04X", unsigned(zeichen));
            const std::string wie = zeichen >= 0x20 ? " \"" + std::string(utf8.substr(anfang, i - anfang)) + "\"" : "";
            Melde(zeile, std::string("Das Zeichen ") + nummer + wie +
                             " gibt es in Windows-1252 nicht; die Schriften des PDF können es nicht zeigen.");
        }
        bytes.push_back(char(byte));
    }
    return bytes;
}

} // namespace senvio::hilfe
