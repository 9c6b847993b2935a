#include "Seitensatz.h"

#include "Grossdruckbild.h"
#include "Schriftmasse.h"
#include "Umbruch.h"
#include "pdf/TmachPDF.h"

namespace senvio::hilfe {

namespace {

// How a kind of block is set: font, size, the distance of its lines, where its text
// starts and the room before and after it.
struct Stil {
    Schrift schrift;
    int groesse;
    int zeilenabstand;
    int einzug;
    int davor;
    int danach;
};

Stil StilVon(Blockart art) {
    switch (art) {
    case Blockart::Titel:
        return {Schrift::HelveticaFett, 22, 28, 0, 0, 12};
    case Blockart::Abschnitt:
        return {Schrift::HelveticaFett, 14, 18, 0, 14, 4};
    case Blockart::Unterabschnitt:
        return {Schrift::HelveticaFett, 11, 14, 0, 8, 2};
    case Blockart::Punkt:
        return {Schrift::Helvetica, 10, 14, 16, 0, 3};
    case Blockart::Befehlszeile:
        return {Schrift::Courier, 9, 12, 16, 0, 2};
    default:
        return {Schrift::Helvetica, 10, 14, 0, 0, 7};
    }
}

bool IstUeberschrift(Blockart art) {
    return art == Blockart::Titel || art == Blockart::Abschnitt || art == Blockart::Unterabschnitt;
}

// A bullet list or a group of command lines stands apart from the text around it.
bool AbstandZwischen(Blockart vorher, Blockart jetzt) {
    const auto istGruppe = [](Blockart art) { return art == Blockart::Punkt || art == Blockart::Befehlszeile; };
    return vorher != jetzt && (istGruppe(vorher) || istGruppe(jetzt)) && !IstUeberschrift(jetzt);
}

class Seitensatz {
public:
    explicit Seitensatz(const std::string& datei) {
        m_pdf.FileName = datei;
        m_pdf.TITLE = "Senvio-Hilfe";
        m_pdf.Subject = "Bedienungsanleitung";
        m_pdf.PageWidth = Seitenbreite;
        m_pdf.PageHeight = Seitenhoehe;
        m_pdf.Compress = true;
        m_pdf.BeginDoc();
    }

    void Setze(const std::vector<Block>& bloecke) {
        for (std::size_t i = 0; i < bloecke.size(); ++i) {
            const Block& b = bloecke[i];
            if (b.art == Blockart::Seitenumbruch) {
                NeueSeite();
            } else if (b.art == Blockart::Huellenbild) {
                m_letzte = b.art;
                Platz(HuellenbildHoehe);
                ZeichneHuellenbild(m_pdf, b.huelle, RandLinks, m_y);
                m_y += HuellenbildHoehe;
            } else if (b.art == Blockart::Grossdruckbild) {
                m_letzte = b.art;
                Platz(GrossdruckbildHoehe);
                ZeichneGrossdruckbild(m_pdf, RandLinks, m_y);
                m_y += GrossdruckbildHoehe;
            } else {
                SetzeText(b, i + 1 < bloecke.size() && IstUeberschrift(b.art));
            }
        }
        Seitenzahl();
        m_pdf.EndDoc();
    }

private:
    static constexpr int Satzbreite = Seitenbreite - RandLinks - RandRechts;

    void SetzeText(const Block& b, bool mitFolgendem) {
        const Stil stil = StilVon(b.art);
        const auto zeilen = BrichUm(b.text, stil.schrift, stil.groesse, Satzbreite - stil.einzug);
        if (m_y > RandOben) {
            m_y += stil.davor + (AbstandZwischen(m_letzte, b.art) ? 5 : 0);
        }
        m_letzte = b.art;
        // A heading keeps its first lines of text with it; any block keeps two lines together.
        const int mindestens = int(std::min<std::size_t>(zeilen.size(), 2)) * stil.zeilenabstand;
        Platz(mindestens + (mitFolgendem ? 3 * 14 : 0));
        for (std::size_t z = 0; z < zeilen.size(); ++z) {
            Platz(stil.zeilenabstand);
            const int grundlinie = m_y + stil.groesse;
            Schreibe(stil.schrift, stil.groesse, RandLinks + stil.einzug, grundlinie, zeilen[z]);
            if (z == 0 && b.art == Blockart::Punkt) {
                Schreibe(Schrift::Helvetica, stil.groesse, RandLinks + 5, grundlinie, "\x95");
            }
            m_y += stil.zeilenabstand;
        }
        m_y += stil.danach;
    }

    void Schreibe(Schrift schrift, int groesse, int x, int y, const std::string& text) {
        m_pdf.Font.Index = static_cast<std::uint8_t>(schrift);
        m_pdf.Font.Size = groesse;
        m_pdf.TextOut(x, y, text);
    }

    // Starts a new page unless `hoehe` points still fit above the bottom margin.
    void Platz(int hoehe) {
        if (m_y + hoehe > Seitenhoehe - RandUnten && m_y > RandOben) {
            NeueSeite();
        }
    }

    void NeueSeite() {
        Seitenzahl();
        m_pdf.NewPage();
        m_y = RandOben;
    }

    void Seitenzahl() {
        const std::string text = "Seite " + std::to_string(m_pdf.PageNumber());
        const double breite = Textbreite(text, Schrift::Helvetica, 9);
        Schreibe(Schrift::Helvetica, 9, int((Seitenbreite - breite) / 2), Seitenhoehe - 36, text);
    }

    TmachPDF m_pdf;
    int m_y = RandOben; // top of the next line
    Blockart m_letzte = Blockart::Titel;
};

} // namespace

void SetzeHilfe(const std::vector<Block>& bloecke, const std::string& datei) {
    Seitensatz(datei).Setze(bloecke);
}

} // namespace senvio::hilfe
