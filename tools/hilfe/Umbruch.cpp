#include "Umbruch.h"

namespace senvio::hilfe {

namespace {

std::vector<std::string_view> Woerter(std::string_view text) {
    std::vector<std::string_view> woerter;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t anfang = text.find_first_not_of(' ', i);
        if (anfang == std::string_view::npos) {
            break;
        }
        const std::size_t ende = std::min(text.find(' ', anfang), text.size());
        woerter.push_back(text.substr(anfang, ende - anfang));
        i = ende;
    }
    return woerter;
}

// Cuts a word too wide for any line into pieces that fit, at least one character each.
std::vector<std::string_view> Zerteile(std::string_view wort, Schrift schrift, double groesse, double breite) {
    std::vector<std::string_view> stuecke;
    while (!wort.empty()) {
        std::size_t n = 1;
        while (n < wort.size() && Textbreite(wort.substr(0, n + 1), schrift, groesse) <= breite) {
            ++n;
        }
        stuecke.push_back(wort.substr(0, n));
        wort.remove_prefix(n);
    }
    return stuecke;
}

} // namespace

std::vector<std::string> BrichUm(std::string_view text, Schrift schrift, double groesse, double breite) {
    std::vector<std::string> zeilen;
    std::string zeile;
    for (const std::string_view wort : Woerter(text)) {
        const std::string probe = zeile.empty() ? std::string(wort) : zeile + ' ' + std::string(wort);
        if (Textbreite(probe, schrift, groesse) <= breite) {
            zeile = probe;
            continue;
        }
        if (!zeile.empty()) {
            zeilen.push_back(zeile);
        }
        zeile = wort;
        if (Textbreite(wort, schrift, groesse) > breite) {
            const auto stuecke = Zerteile(wort, schrift, groesse, breite);
            zeilen.insert(zeilen.end(), stuecke.begin(), stuecke.end() - 1);
            zeile = stuecke.back();
        }
    }
    if (!zeile.empty()) {
        zeilen.push_back(zeile);
    }
    return zeilen;
}

} // namespace senvio::hilfe
