#include "Hilfequelle.h"

#include "HilfeFehler.h"
#include "Windows1252.h"

namespace senvio::hilfe {

namespace {

struct Vorsatz {
    std::string_view zeichen;
    Blockart art;
};

// Longest first, so that "## " is not taken for "# ".
constexpr Vorsatz Vorsaetze[] = {{"### ", Blockart::Unterabschnitt},
                                 {"## ", Blockart::Abschnitt},
                                 {"# ", Blockart::Titel},
                                 {"- ", Blockart::Punkt},
                                 {"| ", Blockart::Befehlszeile}};

Block Anweisung(std::string_view zeile, int nummer) {
    if (zeile == "[Bild oben]") {
        return {Blockart::Huellenbild, {}, Huelle::ObenGeheftet};
    }
    if (zeile == "[Bild links]") {
        return {Blockart::Huellenbild, {}, Huelle::LinksGeheftet};
    }
    if (zeile == "[Bild doppel]") {
        return {Blockart::Huellenbild, {}, Huelle::Doppelhuellen};
    }
    if (zeile == "[Bild grossdruck]") {
        return {Blockart::Grossdruckbild, {}};
    }
    if (zeile == "[Seitenumbruch]") {
        return {Blockart::Seitenumbruch, {}};
    }
    throw HilfeFehler("Zeile " + std::to_string(nummer) + ": unbekannte Anweisung " + std::string(zeile));
}

std::string_view OhneEndleerzeichen(std::string_view zeile) {
    while (!zeile.empty() && (zeile.back() == ' ' || zeile.back() == '\r')) {
        zeile.remove_suffix(1);
    }
    return zeile;
}

} // namespace

std::vector<Block> LeseHilfequelle(std::string_view utf8) {
    std::vector<Block> bloecke;
    bool offen = false; // the last block is a paragraph or bullet that a text line continues
    int nummer = 0;
    while (!utf8.empty()) {
        const std::size_t ende = std::min(utf8.find('\n'), utf8.size());
        const std::string_view zeile = OhneEndleerzeichen(utf8.substr(0, ende));
        utf8.remove_prefix(std::min(ende + 1, utf8.size()));
        ++nummer;
        if (zeile.starts_with('%')) {
            continue;
        }
        if (zeile.empty()) {
            offen = false;
            continue;
        }
        if (zeile.starts_with('[')) {
            bloecke.push_back(Anweisung(zeile, nummer));
            offen = false;
            continue;
        }
        const Vorsatz* vorsatz = nullptr;
        for (const Vorsatz& v : Vorsaetze) {
            if (zeile.starts_with(v.zeichen)) {
                vorsatz = &v;
                break;
            }
        }
        if (vorsatz) {
            bloecke.push_back({vorsatz->art, NachWindows1252(zeile.substr(vorsatz->zeichen.size()), nummer)});
            offen = vorsatz->art == Blockart::Punkt;
        } else if (offen) {
            const std::size_t text = zeile.find_first_not_of(' ');
            bloecke.back().text += ' ' + NachWindows1252(zeile.substr(text), nummer);
        } else {
            bloecke.push_back({Blockart::Absatz, NachWindows1252(zeile, nummer)});
            offen = true;
        }
    }
    return bloecke;
}

} // namespace senvio::hilfe
