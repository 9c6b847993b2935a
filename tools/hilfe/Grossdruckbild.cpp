#include "Grossdruckbild.h"

#include "Schriftmasse.h"
#include "Windows1252.h"
#include "pdf/TmachPDF.h"

#include <string>
#include <vector>

namespace senvio::hilfe {

namespace {

// DIN A6, 105 × 148 mm, at 0.85 points a millimetre.
constexpr int KarteBreite = 89;
constexpr int KarteHoehe = 126;

void Schreibe(TmachPDF& pdf, Schrift schrift, int groesse, int x, int grundlinie, const char* utf8) {
    pdf.Font.Index = static_cast<std::uint8_t>(schrift);
    pdf.Font.Size = groesse;
    pdf.TextOut(x, grundlinie, NachWindows1252(utf8, 0));
}

void Rahmen(TmachPDF& pdf, int x, int y, int breite, int hoehe) {
    pdf.DrawLine(x, y, x + breite, y);
    pdf.DrawLine(x + breite, y, x + breite, y + hoehe);
    pdf.DrawLine(x + breite, y + hoehe, x, y + hoehe);
    pdf.DrawLine(x, y + hoehe, x, y);
}

void ZeichneVorderseite(TmachPDF& pdf, int x, int y) {
    Rahmen(pdf, x, y, KarteBreite, KarteHoehe);
    Schreibe(pdf, Schrift::HelveticaFett, 6, x + 4, y + 10, "Wohnzimmer");
    Schreibe(pdf, Schrift::HelveticaFett, 6, x + KarteBreite - 16, y + 10, "1–10");
    pdf.DrawLine(x + 4, y + 13, x + KarteBreite - 4, y + 13);
    struct Zeile {
        const char* nummer;
        std::vector<const char*> name;
    };
    const Zeile zeilen[] = {{"1", {"Das Erste HD"}}, {"2", {"ZDF HD"}},  {"3", {"Bayerisches", "Fernsehen Süd HD"}},
                            {"4", {"WDR HD Köln"}},  {"5", {"arte HD"}}, {"6", {"3sat HD"}},
                            {"7", {"phoenix HD"}},   {"8", {"KiKA HD"}}, {"9", {"tagesschau24 HD"}}};
    int grundlinie = y + 24;
    for (const Zeile& zeile : zeilen) {
        const std::string nummer = zeile.nummer;
        const double breite = Textbreite(nummer, Schrift::HelveticaFett, 8);
        Schreibe(pdf, Schrift::HelveticaFett, 8, x + 15 - int(breite), grundlinie, zeile.nummer);
        int y0 = grundlinie;
        for (const char* teil : zeile.name) {
            Schreibe(pdf, Schrift::HelveticaFett, 6, x + 19, y0, teil);
            y0 += 7;
        }
        Rahmen(pdf, x + KarteBreite - 13, grundlinie - 6, 9, 6); // the logo
        grundlinie = y0 + 4;
    }
}

void ZeichneRueckseite(TmachPDF& pdf, int x, int y) {
    Rahmen(pdf, x, y, KarteBreite, KarteHoehe);
    Schreibe(pdf, Schrift::HelveticaFett, 8, x + 4, y + 12, "So geht's");
    const std::pair<const char*, const char*> zeilen[] = {{"Kein Bild:", "Taste QUELLE, dann „TV“"},
                                                          {"Sender wählen:", "Nummer zügig eintippen"},
                                                          {"Zurück:", "EXIT / ZURÜCK"},
                                                          {"Radio:", "Taste TV/RADIO"},
                                                          {"Hilfe:", "Anna 0171 2345678"}};
    int grundlinie = y + 26;
    for (const auto& [taste, text] : zeilen) {
        Schreibe(pdf, Schrift::HelveticaFett, 6, x + 4, grundlinie, taste);
        Schreibe(pdf, Schrift::Helvetica, 6, x + 8, grundlinie + 8, text);
        grundlinie += 20;
    }
}

} // namespace

void ZeichneGrossdruckbild(TmachPDF& pdf, int links, int oben) {
    pdf.LineWidth = 1;
    const int x0 = links + 24, y0 = oben + 8;
    ZeichneVorderseite(pdf, x0, y0);
    ZeichneRueckseite(pdf, x0 + KarteBreite + 40, y0);
    Schreibe(pdf, Schrift::Helvetica, 8, x0, y0 + KarteHoehe + 14, "Großdruck-Karte");
    Schreibe(pdf, Schrift::Helvetica, 8, x0 + KarteBreite + 40, y0 + KarteHoehe + 14, "ihre Rückseite „So geht's“");
}

} // namespace senvio::hilfe
