#pragma once

// TmachPDF writes PDF 1.4 files: straight lines, lines of text in the 14 standard
// fonts and RGB pictures on pages of PageWidth × PageHeight units, one unit one
// point unless the caller puts the page units on paper of another size.
// Coordinates are whole page units from the top-left corner, y downwards.
//
// Use: set the properties, BeginDoc, draw and NewPage as needed, EndDoc. EndDoc
// writes the whole file at once and atomically: a failure leaves an older file as it
// was. Pictures are staged in the files "~tmp1", "~tmp2", … of the current folder
// while the document is open; EndDoc reads them back and removes them after the file
// is written, and leaves them when it fails. File failures throw PdfDateiFehler.
#include "BildPixel.h"
#include "BmpDatei.h"
#include "TPDFFont.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace senvio {

class TmachPDF {
public:
    // Set before BeginDoc; the texts are bytes written into the document information.
    std::string FileName;
    std::string TITLE;
    std::string Author = "Senvio";
    std::string Creator = "Senvio";
    std::string Producer = "Senvio";
    std::string Keywords;
    std::string Subject;
    int PageWidth = 612;
    int PageHeight = 792;
    // The paper in points (MediaBox) and the points one page unit takes, written as one "cm"
    // at the start of every page. Left at 0 and 1, the paper is the page and a unit a point.
    int Blattbreite = 0;
    int Blatthoehe = 0;
    double PunkteJeEinheit = 1;
    // May change between drawing operations.
    int LineWidth = 1;
    TPDFFont Font;
    // Flate compression; each page takes it as it begins, each picture as it is drawn.
    bool Compress = true;

    // The current page, so also the number of pages so far; 0 before the first BeginDoc.
    int PageNumber() const { return m_seitennummer; }

    void BeginDoc();
    void NewPage();
    void EndDoc();

    void DrawLine(int X1, int Y1, int X2, int Y2);
    // Text in the fonts' WinAnsiEncoding (Windows-1252), baseline starting at (X, Y).
    void TextOut(int X, int Y, std::string_view Text);
    // The picture with its top-left corner at (X, Y), scaled from the screen's pixels
    // per inch to page units. Stages the picture at once; when that fails it throws
    // and the document is as it was before the call.
    void DrawImage(int X, int Y, const BildPixel& Bild, double DpiX, double DpiY);

    // A picture's stream data made ahead: its pixels as DrawImage stores them,
    // compressed as Compress said when it was made. Making it touches no writer, so
    // several pictures can be made on several threads; drawing it is then quick.
    struct VorbereitetesBild {
        int Breite = 0;
        int Hoehe = 0;
        bool Komprimiert = true;
        std::string Daten;
    };
    static VorbereitetesBild BereiteBildVor(const BildPixel& Bild, bool Compress);
    // The same, converting the pixels where they lie: no copy is made, and the picture's
    // pixels are used up; its memory stays with it for the next picture to be read into.
    static VorbereitetesBild BereiteBildVor(BmpBild& Bild, bool Compress);
    void DrawImage(int X, int Y, const VorbereitetesBild& Bild, double DpiX, double DpiY);
    // The picture with its top-left corner at (X, Y), stretched to Breite × Hoehe page units,
    // each given to a thousandth. Throws std::invalid_argument for a size that is not positive
    // or does not fit the page numbers.
    void DrawImage(double X, double Y, double Breite, double Hoehe, const VorbereitetesBild& Bild);

    // The name of picture i's staging file.
    static std::string Zwischendatei(int i);

private:
    struct Gestaut {
        std::string name;
        std::size_t laenge;
        std::uint32_t pruefsumme;
    };

    void PruefeOffen(const char* operation) const;
    // Stages the picture and returns its number.
    int StaueBild(const VorbereitetesBild& Bild);
    void BeginneInhalt();
    void BeendeInhalt();
    void HaengeObjektAn();
    int NeuesObjekt();
    void SchreibeInformation();
    void SchreibeSchluss();
    void SchreibeSchriften();
    void SchreibeSeitenbaum(int seitenbaum, int erstesSeitenobjekt);
    void SchreibeRessourcen(int ressourcen, int ersteSchrift);
    void SchreibeBilder();
    void SchreibeSeiten(int seitenbaum, int ressourcen);
    void SchreibeVerweise(int katalog);
    void Verwirf();
    static std::uint32_t Pruefsumme(std::initializer_list<std::string_view> teile);

    bool m_offen = false;
    int m_seitennummer = 0;
    std::string m_ausgabe;      // the file so far
    std::string m_objekt;       // the object being built
    std::string m_seiteninhalt; // the current page's content operators, uncompressed
    int m_objektzaehler = 0;
    std::vector<std::size_t> m_versaetze; // where object k + 1 starts, at k
    std::vector<int> m_inhalte;           // content stream objects, in page order
    std::vector<Gestaut> m_bilder;        // staged pictures, in picture order
    bool m_inhaltKomprimiert = true;      // Compress as it was when the current page began
};

} // namespace senvio
