#include "Huellenbild.h"

#include "Schriftmasse.h"
#include "pdf/TmachPDF.h"

#include <algorithm>
#include <array>
#include <string>

namespace senvio::hilfe {

namespace {

// The sheet, scaled down: DIN A4 is 210 × 297 mm.
constexpr int BlattBreite = 120;
constexpr int BlattHoehe = 170;
constexpr int Ueberstand = 8; // how far the lines reach beyond the sheet

enum class Linie { Schnitt, Falz };

struct Karte {
    const char* nummer; // Windows-1252
    bool aufDemKopf;
};

// Cards top left, top right, bottom left, bottom right; then the horizontal and the
// vertical line.
struct Anordnung {
    std::array<Karte, 4> karten;
    Linie waagerecht, senkrecht;
};

Anordnung AnordnungVon(Huelle huelle) {
    switch (huelle) {
    case Huelle::ObenGeheftet:
        return {{{{"1", false}, {"3", false}, {"2", false}, {"4", false}}}, Linie::Falz, Linie::Schnitt};
    case Huelle::LinksGeheftet:
        return {{{{"1", false}, {"2", false}, {"3", false}, {"4", false}}}, Linie::Schnitt, Linie::Falz};
    case Huelle::Doppelhuellen:
        break;
    }
    return {{{{"4", false}, {"1", false}, {"3", true}, {"2", true}}}, Linie::Falz, Linie::Falz};
}

void Text(TmachPDF& pdf, Schrift schrift, int groesse, double mitte, int grundlinie, const std::string& text) {
    pdf.Font.Index = static_cast<std::uint8_t>(schrift);
    pdf.Font.Size = groesse;
    pdf.TextOut(int(mitte - Textbreite(text, schrift, groesse) / 2), grundlinie, text);
}

// A cut is dashed, a fold dotted; both run straight across, horizontal or vertical.
void ZeichneLinie(TmachPDF& pdf, Linie art, int x1, int y1, int x2, int y2) {
    const int strich = art == Linie::Schnitt ? 6 : 2;
    const int schritt = art == Linie::Schnitt ? 9 : 4;
    const int laenge = std::max(x2 - x1, y2 - y1);
    for (int s = 0; s < laenge; s += schritt) {
        const int e = std::min(s + strich, laenge);
        if (y1 == y2) {
            pdf.DrawLine(x1 + s, y1, x1 + e, y1);
        } else {
            pdf.DrawLine(x1, y1 + s, x1, y1 + e);
        }
    }
}

const char* Wort(Linie art) {
    return art == Linie::Schnitt ? "schneiden" : "falten";
}

void ZeichneKarte(TmachPDF& pdf, const Karte& karte, int links, int oben) {
    const double mitte = links + BlattBreite / 4.0;
    const int hoehe = BlattHoehe / 2;
    Text(pdf, Schrift::HelveticaFett, 18, mitte, oben + hoehe / 2 + 6, karte.nummer);
    Text(pdf, Schrift::Helvetica, 7, mitte, oben + hoehe - 8, karte.aufDemKopf ? "auf dem Kopf" : "DIN A6");
}

void ZeichneLegende(TmachPDF& pdf, const Anordnung& a, int links, int oben) {
    int y = oben;
    for (const Linie art : {Linie::Schnitt, Linie::Falz}) {
        if (a.waagerecht != art && a.senkrecht != art) {
            continue;
        }
        ZeichneLinie(pdf, art, links, y - 3, links + 30, y - 3);
        pdf.Font.Index = static_cast<std::uint8_t>(Schrift::Helvetica);
        pdf.Font.Size = 9;
        pdf.TextOut(links + 38, y, art == Linie::Schnitt ? "hier schneiden" : "hier falten");
        y += 16;
    }
}

} // namespace

void ZeichneHuellenbild(TmachPDF& pdf, Huelle huelle, int links, int oben) {
    const Anordnung a = AnordnungVon(huelle);
    const int x0 = links + 24, y0 = oben + 16;
    const int x1 = x0 + BlattBreite, y1 = y0 + BlattHoehe;
    const int xm = x0 + BlattBreite / 2, ym = y0 + BlattHoehe / 2;
    pdf.Font.Index = static_cast<std::uint8_t>(Schrift::Helvetica);
    pdf.Font.Size = 8;
    pdf.TextOut(x0, oben + 8, "Blatt DIN A4"); // left of the vertical line's end
    pdf.LineWidth = 1;
    pdf.DrawLine(x0, y0, x1, y0);
    pdf.DrawLine(x1, y0, x1, y1);
    pdf.DrawLine(x1, y1, x0, y1);
    pdf.DrawLine(x0, y1, x0, y0);
    for (int k = 0; k < 4; ++k) {
        ZeichneKarte(pdf, a.karten[std::size_t(k)], k % 2 ? xm : x0, k / 2 ? ym : y0);
    }
    ZeichneLinie(pdf, a.waagerecht, x0 - Ueberstand, ym, x1 + Ueberstand, ym);
    ZeichneLinie(pdf, a.senkrecht, xm, y0 - Ueberstand, xm, y1 + Ueberstand);
    pdf.Font.Index = static_cast<std::uint8_t>(Schrift::Helvetica);
    pdf.Font.Size = 8;
    pdf.TextOut(x1 + Ueberstand + 4, ym + 3, Wort(a.waagerecht));
    Text(pdf, Schrift::Helvetica, 8, xm, y1 + Ueberstand + 10, Wort(a.senkrecht));
    ZeichneLegende(pdf, a, x1 + 80, y0 + 20);
}

} // namespace senvio::hilfe
