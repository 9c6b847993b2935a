#pragma once

#include <QString>

#include <string>

// The PDF of a print: one A4 page per page picture of the temporary folder, under
// the credit line and a rule. The page is drawn in 794 × 1122 units (A4 at 96 units per
// inch) and put on A4 paper of 595 × 842 points; the page picture is placed so that its cut
// lines print at 105 and 148 mm.
namespace senvio {

class Bildvorlauf;

// "Erstellt mit dem Programm Senvio von " + maker + " - Name der Liste: " + name.
QString Kreditzeile(const QString& listenName);

// Counts the files of the folder (not folders) whose extension, from the last dot on
// and lower-cased, occurs within `muster` and whose name, upper-cased, holds "DINA4_".
int ZaehleDateien(const QString& ordner, const QString& muster);

struct PdfAuftrag {
    QString tempOrdner; // no trailing "/"
    QString pdfDatei;
    QString listenName;
    // Optional: the page pictures from "DINA4_1.bmp" on, already given to be read and
    // compressed while the pages were rendered (compressed, as the PDF is).
    Bildvorlauf* vorlauf = nullptr;
    // The number of pages when the caller knows it; otherwise counted by ZaehleDateien.
    int seiten = -1;
};

// The page picture file's name as the PDF writer and the BMP reader take it.
std::string Seitenbildname(const QString& tempOrdner, int seite);

// Writes the PDF from the pictures "DINA4_1.bmp" … "DINA4_m.bmp" of the temporary
// folder, m counted by ZaehleDateien; with none, one empty page. Atomic: a failure
// leaves no PDF and no staging file. Throws DateiFehler (from PdfDateiFehler) or Fehler
// (from BmpFehler and the compressor's lack of memory) with the same text.
void ErstelleDiePDF(const PdfAuftrag& auftrag);

} // namespace senvio
