#pragma once

// Pieces of PDF text: integers in plain decimal whatever the locale, escaped strings,
// and lines ended by CR LF.
#include <charconv>
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace senvio::pdf {

inline void HaengeAn(std::string& ziel, std::string_view text) {
    ziel.append(text);
}

// Decimal, a minus sign only when negative, no leading zeros, no grouping.
inline void HaengeAn(std::string& ziel, std::integral auto zahl) {
    char puffer[24];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, zahl);
    (void)fehler; // 24 characters hold every 64-bit integer
    ziel.append(puffer, ende);
}

// A fraction in its shortest decimal form with a point, whatever the locale: 0.75.
struct Dezimal {
    double wert;
};

inline void HaengeAn(std::string& ziel, Dezimal d) {
    char puffer[32];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, d.wert, std::chars_format::fixed);
    (void)fehler; // a scale of the page is far from 32 digits
    ziel.append(puffer, ende);
}

// A non-negative number padded with leading zeros to at least `stellen` digits.
inline void HaengeMitNullenAn(std::string& ziel, std::uint64_t zahl, int stellen) {
    char puffer[24];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, zahl);
    (void)fehler;
    for (auto n = ende - puffer; n < stellen; ++n) {
        ziel.push_back('0');
    }
    ziel.append(puffer, ende);
}

// Text for a literal string: a backslash before every backslash, "(" and ")".
struct Maskiert {
    std::string_view text;
};

inline void HaengeAn(std::string& ziel, Maskiert m) {
    for (const char c : m.text) {
        if (c == '\\' || c == '(' || c == ')') {
            ziel.push_back('\\');
        }
        ziel.push_back(c);
    }
}

constexpr std::string_view Zeilenende = "\r\n";

// One line made of its pieces, ended by CR LF.
template <typename... Teile> void Zeile(std::string& ziel, const Teile&... teile) {
    (HaengeAn(ziel, teile), ...);
    ziel.append(Zeilenende);
}

} // namespace senvio::pdf
