// EndDoc's objects: outlines, fonts, page tree, resources, pictures, pages, catalog,
// then the cross-reference table and the trailer.
#include "TmachPDF.h"

#include "PdfDateien.h"
#include "PdfFehler.h"
#include "PdfText.h"

#include <array>
#include <libdeflate.h>

namespace senvio {

using namespace pdf;

namespace {

constexpr std::array<std::string_view, 14> Grundschriften = {
    "Helvetica",   "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique",
    "Courier",     "Courier-Bold",   "Courier-Oblique",   "Courier-BoldOblique",
    "Times-Roman", "Times-Bold",     "Times-Italic",      "Times-BoldItalic",
    "Symbol",      "ZapfDingbats"};

// A staged picture is read back only up to this size, far above any page picture.
constexpr std::size_t GroessteZwischendatei = std::size_t(1) << 31;

} // namespace

std::uint32_t TmachPDF::Pruefsumme(std::initializer_list<std::string_view> teile) {
    std::uint32_t crc = 0;
    for (const std::string_view teil : teile) {
        crc = libdeflate_crc32(crc, teil.data(), teil.size());
    }
    return crc;
}

void TmachPDF::SchreibeSchluss() {
    BeendeInhalt();

    const int gliederung = NeuesObjekt();
    Zeile(m_objekt, gliederung, " 0 obj");
    Zeile(m_objekt, "<< /Type /Outlines");
    Zeile(m_objekt, "/Count 0");
    Zeile(m_objekt, ">>");
    Zeile(m_objekt, "endobj");
    HaengeObjektAn();

    const int ersteSchrift = m_objektzaehler + 1;
    SchreibeSchriften();
    const int seitenbaum = m_objektzaehler + 1;
    const int ressourcen = seitenbaum + 1;
    SchreibeSeitenbaum(seitenbaum, ressourcen + int(m_bilder.size()) + 1);
    SchreibeRessourcen(ressourcen, ersteSchrift);
    SchreibeBilder();
    SchreibeSeiten(seitenbaum, ressourcen);

    const int katalog = NeuesObjekt();
    Zeile(m_objekt, katalog, " 0 obj");
    Zeile(m_objekt, "<< /Type /Catalog");
    Zeile(m_objekt, "/Pages ", seitenbaum, " 0 R");
    Zeile(m_objekt, "/Outlines ", gliederung, " 0 R");
    Zeile(m_objekt, ">>");
    Zeile(m_objekt, "endobj");
    HaengeObjektAn();

    SchreibeVerweise(katalog);
}

void TmachPDF::SchreibeSchriften() {
    for (std::size_t f = 0; f < Grundschriften.size(); ++f) {
        Zeile(m_objekt, NeuesObjekt(), " 0 obj");
        Zeile(m_objekt, "<< /Type /Font");
        Zeile(m_objekt, "/Subtype /Type1");
        Zeile(m_objekt, "/Name /F", f + 1);
        Zeile(m_objekt, "/BaseFont /", Grundschriften[f]);
        Zeile(m_objekt, "/Encoding /WinAnsiEncoding");
        Zeile(m_objekt, ">>");
        Zeile(m_objekt, "endobj");
        HaengeObjektAn();
    }
}

void TmachPDF::SchreibeSeitenbaum(int seitenbaum, int erstesSeitenobjekt) {
    NeuesObjekt();
    Zeile(m_objekt, seitenbaum, " 0 obj");
    Zeile(m_objekt, "<< /Type /Pages");
    Zeile(m_objekt, "/Kids [");
    for (std::size_t k = 0; k < m_inhalte.size(); ++k) {
        Zeile(m_objekt, erstesSeitenobjekt + int(k), " 0 R");
    }
    Zeile(m_objekt, "]");
    Zeile(m_objekt, "/Count ", m_inhalte.size());
    Zeile(m_objekt, ">>");
    Zeile(m_objekt, "endobj");
    HaengeObjektAn();
}

// The one resource dictionary that every page shares.
void TmachPDF::SchreibeRessourcen(int ressourcen, int ersteSchrift) {
    NeuesObjekt();
    Zeile(m_objekt, ressourcen, " 0 obj");
    Zeile(m_objekt, "<< /ProcSet [ /PDF /Text /ImageC]");
    Zeile(m_objekt, "/XObject << ");
    for (std::size_t i = 0; i < m_bilder.size(); ++i) {
        Zeile(m_objekt, "/Im", i + 1, " ", ressourcen + 1 + int(i), " 0 R");
    }
    Zeile(m_objekt, ">>");
    Zeile(m_objekt, "/Font << ");
    for (std::size_t f = 0; f < Grundschriften.size(); ++f) {
        Zeile(m_objekt, "/F", f + 1, " ", ersteSchrift + int(f), " 0 R ");
    }
    Zeile(m_objekt, ">>");
    Zeile(m_objekt, ">>");
    Zeile(m_objekt, "endobj");
    HaengeObjektAn();
}

// Each staged picture is read back and checked against what was staged: a file
// changed in between would make a broken document.
void TmachPDF::SchreibeBilder() {
    for (const Gestaut& bild : m_bilder) {
        Zeile(m_objekt, NeuesObjekt(), " 0 obj");
        const std::size_t anfang = m_objekt.size();
        HaengeDateiAn(bild.name, m_objekt, GroessteZwischendatei);
        const std::string_view gelesen = std::string_view(m_objekt).substr(anfang);
        if (gelesen.size() != bild.laenge || Pruefsumme({gelesen}) != bild.pruefsumme) {
            throw PdfDateiFehler::NichtGeoeffnet(bild.name);
        }
        Zeile(m_objekt, "");
        Zeile(m_objekt, "endstream");
        Zeile(m_objekt, "endobj");
        HaengeObjektAn();
    }
}

void TmachPDF::SchreibeSeiten(int seitenbaum, int ressourcen) {
    for (const int inhalt : m_inhalte) {
        Zeile(m_objekt, NeuesObjekt(), " 0 obj");
        Zeile(m_objekt, "<< /Type /Page");
        Zeile(m_objekt, "/Parent ", seitenbaum, " 0 R");
        Zeile(m_objekt, "/MediaBox [ 0 0 ", Blattbreite > 0 ? Blattbreite : PageWidth, " ",
              Blatthoehe > 0 ? Blatthoehe : PageHeight, "]");
        Zeile(m_objekt, "/Contents ", inhalt, " 0 R");
        Zeile(m_objekt, "/Resources ", ressourcen, " 0 R");
        Zeile(m_objekt, ">>");
        Zeile(m_objekt, "endobj");
        HaengeObjektAn();
    }
}

// Every entry is 20 bytes with its line end; startxref names the "xref" line.
void TmachPDF::SchreibeVerweise(int katalog) {
    const std::size_t xref = m_ausgabe.size();
    Zeile(m_ausgabe, "xref");
    Zeile(m_ausgabe, "0 ", katalog + 1);
    Zeile(m_ausgabe, "0000000000 65535 f");
    for (const std::size_t versatz : m_versaetze) {
        HaengeMitNullenAn(m_ausgabe, versatz, 10);
        Zeile(m_ausgabe, " 00000 n");
    }
    Zeile(m_ausgabe, "trailer");
    Zeile(m_ausgabe, "<< /Size ", katalog + 1);
    Zeile(m_ausgabe, "/Root ", katalog, " 0 R");
    Zeile(m_ausgabe, "/Info 1 0 R");
    Zeile(m_ausgabe, ">>");
    Zeile(m_ausgabe, "startxref");
    Zeile(m_ausgabe, xref);
    Zeile(m_ausgabe, "%%EOF");
}

} // namespace senvio
