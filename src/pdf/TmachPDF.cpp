#include "TmachPDF.h"

#include "Komprimierung.h"
#include "PdfBild.h"
#include "PdfDateien.h"
#include "PdfFehler.h"
#include "PdfText.h"
#include "basis/Zwischendateien.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <stdexcept>

namespace senvio {

using namespace pdf;

namespace {

// "D:" and the local time as YYYYMMDDHHmmSS.
std::string Zeitstempel() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    std::string text = "D:";
    HaengeMitNullenAn(text, std::uint64_t(t.tm_year + 1900), 4);
    for (const int teil : {t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec}) {
        HaengeMitNullenAn(text, std::uint64_t(teil), 2);
    }
    return text;
}

} // namespace

std::string TmachPDF::Zwischendatei(int i) {
    return "~tmp" + std::to_string(i);
}

void TmachPDF::PruefeOffen(const char* operation) const {
    if (!m_offen) {
        throw std::logic_error(std::string("TmachPDF::") + operation + " ohne offenes Dokument");
    }
}

void TmachPDF::BeginDoc() {
    Verwirf();
    m_offen = true;
    m_seitennummer = 1;
    Zeile(m_ausgabe, "%PDF-1.4");
    SchreibeInformation();
    BeginneInhalt();
}

void TmachPDF::SchreibeInformation() {
    Zeile(m_objekt, NeuesObjekt(), " 0 obj");
    Zeile(m_objekt, "<<");
    Zeile(m_objekt, "/Producer (", Maskiert{Producer}, ")");
    Zeile(m_objekt, "/Author (", Maskiert{Author}, ")");
    Zeile(m_objekt, "/CreationDate (", Zeitstempel(), ")");
    Zeile(m_objekt, "/Creator (", Maskiert{Creator}, ")");
    Zeile(m_objekt, "/Keywords (", Maskiert{Keywords}, ")");
    Zeile(m_objekt, "/Subject (", Maskiert{Subject}, ")");
    Zeile(m_objekt, "/Title (", Maskiert{TITLE}, ")");
    Zeile(m_objekt, "/ModDate ()");
    Zeile(m_objekt, ">>");
    Zeile(m_objekt, "endobj");
    HaengeObjektAn();
}

int TmachPDF::NeuesObjekt() {
    return ++m_objektzaehler;
}

// Records where the finished object starts, then moves it to the output.
void TmachPDF::HaengeObjektAn() {
    m_versaetze.push_back(m_ausgabe.size());
    m_ausgabe += m_objekt;
    m_objekt.clear();
}

// The page's content object stays in the object buffer while the page is drawn.
void TmachPDF::BeginneInhalt() {
    const int inhalt = NeuesObjekt();
    m_inhalte.push_back(inhalt);
    m_seiteninhalt.clear();
    m_inhaltKomprimiert = Compress;
    Zeile(m_objekt, inhalt, " 0 obj");
    Zeile(m_objekt, "<< /Length ", inhalt + 1, " 0 R");
    if (m_inhaltKomprimiert) {
        Zeile(m_objekt, "/Filter [/FlateDecode]");
    }
    Zeile(m_objekt, " >>");
    Zeile(m_objekt, "stream");
    if (PunkteJeEinheit != 1) {
        const Dezimal s{PunkteJeEinheit};
        Zeile(m_seiteninhalt, s, " 0 0 ", s, " 0 0 cm");
    }
}

// The data follows "stream" and is followed by "endstream" without a line end between;
// its length goes into the object after it.
void TmachPDF::BeendeInhalt() {
    const std::size_t vorher = m_objekt.size();
    m_objekt += m_inhaltKomprimiert ? Komprimiere(m_seiteninhalt) : m_seiteninhalt;
    const std::size_t laenge = m_objekt.size() - vorher;
    Zeile(m_objekt, "endstream");
    Zeile(m_objekt, "endobj");
    HaengeObjektAn();
    m_seiteninhalt.clear();

    Zeile(m_objekt, NeuesObjekt(), " 0 obj");
    Zeile(m_objekt, laenge);
    Zeile(m_objekt, "endobj");
    HaengeObjektAn();
}

void TmachPDF::NewPage() {
    PruefeOffen("NewPage");
    ++m_seitennummer;
    BeendeInhalt();
    BeginneInhalt();
}

void TmachPDF::DrawLine(int X1, int Y1, int X2, int Y2) {
    PruefeOffen("DrawLine");
    Zeile(m_seiteninhalt, LineWidth, " w");
    Zeile(m_seiteninhalt, X1, " ", std::int64_t(PageHeight) - Y1, " m");
    Zeile(m_seiteninhalt, X2, " ", std::int64_t(PageHeight) - Y2, " l");
    Zeile(m_seiteninhalt, "S");
}

void TmachPDF::TextOut(int X, int Y, std::string_view Text) {
    PruefeOffen("TextOut");
    Zeile(m_seiteninhalt, "BT");
    Zeile(m_seiteninhalt, "/F", int(Font.Index) + 1, " ", Font.Size, " Tf");
    Zeile(m_seiteninhalt, X, " ", std::int64_t(PageHeight) - Y, " Td");
    Zeile(m_seiteninhalt, "(", Maskiert{Text}, ") Tj");
    Zeile(m_seiteninhalt, "ET");
}

TmachPDF::VorbereitetesBild TmachPDF::BereiteBildVor(const BildPixel& Bild, bool Compress) {
    if (!Bild.IstGueltig()) {
        throw std::invalid_argument("TmachPDF::DrawImage: Bildpixel passen nicht zu Breite und Höhe");
    }
    return {Bild.Breite, Bild.Hoehe, Compress, Bilddaten(Bild, Compress)};
}

TmachPDF::VorbereitetesBild TmachPDF::BereiteBildVor(BmpBild& Bild, bool Compress) {
    if (!Bild.Ansicht().IstGueltig()) {
        throw std::invalid_argument("TmachPDF::DrawImage: Bildpixel passen nicht zu Breite und Höhe");
    }
    const int breite = Bild.Breite, hoehe = Bild.Hoehe;
    return {breite, hoehe, Compress, BilddatenAnOrt(Bild, Compress)};
}

void TmachPDF::DrawImage(int X, int Y, const BildPixel& Bild, double DpiX, double DpiY) {
    PruefeOffen("DrawImage");
    DrawImage(X, Y, BereiteBildVor(Bild, Compress), DpiX, DpiY);
}

// The picture is staged first; only when that worked does it join the document.
int TmachPDF::StaueBild(const VorbereitetesBild& Bild) {
    const int nummer = int(m_bilder.size()) + 1;
    const std::string kopf = Bildkopf(Bild.Breite, Bild.Hoehe, nummer, Bild.Daten.size(), Bild.Komprimiert);
    const std::string name = Zwischendatei(nummer);
    MerkeZwischendatei(name);
    SchreibeDatei(name, {kopf, Bild.Daten});
    m_bilder.push_back({name, kopf.size() + Bild.Daten.size(), Pruefsumme({kopf, Bild.Daten})});
    return nummer;
}

void TmachPDF::DrawImage(int X, int Y, const VorbereitetesBild& Bild, double DpiX, double DpiY) {
    PruefeOffen("DrawImage");
    const Platzierung groesse = PlatziereBild(Bild.Breite, Bild.Hoehe, PageWidth, PageHeight, DpiX, DpiY);
    const int nummer = StaueBild(Bild);
    Zeile(m_seiteninhalt, "q");
    Zeile(m_seiteninhalt, groesse.breite, " 0 0 ", groesse.hoehe, " ", X, " ",
          std::int64_t(PageHeight) - Y - groesse.hoehe, " cm");
    Zeile(m_seiteninhalt, "/Im", nummer, " Do");
    Zeile(m_seiteninhalt, "Q");
}

void TmachPDF::DrawImage(double X, double Y, double Breite, double Hoehe, const VorbereitetesBild& Bild) {
    PruefeOffen("DrawImage");
    const auto endlich = [](double x) { return std::isfinite(x) && std::fabs(x) < 1e9; };
    if (!(Breite > 0) || !(Hoehe > 0) || !endlich(X) || !endlich(Y) || !endlich(Breite) || !endlich(Hoehe)) {
        throw std::invalid_argument("DrawImage: Bildgröße passt nicht auf die Seite");
    }
    const int nummer = StaueBild(Bild);
    // Thousandths of a unit are far below what a printer shows; "+ 0.0" makes -0 a plain 0.
    const auto zahl = [](double x) { return Dezimal{std::round(x * 1000) / 1000 + 0.0}; };
    Zeile(m_seiteninhalt, "q");
    Zeile(m_seiteninhalt, zahl(Breite), " 0 0 ", zahl(Hoehe), " ", zahl(X), " ", zahl(PageHeight - Y - Hoehe), " cm");
    Zeile(m_seiteninhalt, "/Im", nummer, " Do");
    Zeile(m_seiteninhalt, "Q");
}

void TmachPDF::EndDoc() {
    PruefeOffen("EndDoc");
    m_offen = false;
    try {
        SchreibeSchluss();
        SchreibeDateiAtomar(FileName, {m_ausgabe});
    } catch (...) {
        Verwirf();
        throw;
    }
    for (const Gestaut& bild : m_bilder) {
        std::remove(bild.name.c_str());
        VergissZwischendatei(bild.name);
    }
    Verwirf();
}

void TmachPDF::Verwirf() {
    m_offen = false;
    m_ausgabe.clear();
    m_ausgabe.shrink_to_fit();
    m_objekt.clear();
    m_seiteninhalt.clear();
    m_objektzaehler = 0;
    m_versaetze.clear();
    m_inhalte.clear();
    m_bilder.clear();
}

} // namespace senvio
