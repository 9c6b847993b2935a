#pragma once

#include "Hilfequelle.h"

#include <string>
#include <vector>

// Sets the help text's blocks on DIN A4 pages and writes the PDF.
namespace senvio::hilfe {

// The page in points (DIN A4) and the margins.
constexpr int Seitenbreite = 595;
constexpr int Seitenhoehe = 842;
constexpr int RandLinks = 62;
constexpr int RandRechts = 62;
constexpr int RandOben = 60;
constexpr int RandUnten = 72; // below it only the page number

// Writes `datei`; throws PdfDateiFehler when it cannot.
void SetzeHilfe(const std::vector<Block>& bloecke, const std::string& datei);

} // namespace senvio::hilfe
