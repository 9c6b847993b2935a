#pragma once

// What the PDF tests share: a fresh current folder per test (the writer stages its
// pictures there), files read whole, other programs run, and a small reader of the
// files TmachPDF writes that checks the cross-reference table on the way.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace senvio::test {

// Every test runs in a new temporary folder as its current folder, under the German
// locale (a decimal comma, "." between thousands), and leaves the folder afterwards.
class PdfOrdnerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The names in the current folder, sorted.
    std::vector<std::string> Dateien() const;

    std::filesystem::path m_ordner;
    std::filesystem::path m_vorher;
};

std::string LiesDatei(const std::filesystem::path& pfad);
void SchreibDatei(const std::filesystem::path& pfad, std::string_view inhalt);

// Lines, each ended by CR LF.
std::string Zeilen(std::initializer_list<std::string_view> zeilen);

struct Ausgang {
    int status = -1; // exit code, -1 when the program did not end normally
    std::string ausgabe;
    std::string fehler;
};

// Runs the program (looked up in PATH) with its arguments and collects its output.
Ausgang Starte(const std::vector<std::string>& befehl);

// Checks the file with "qpdf --check" and renders it with pdftoppm; `seiten` pages.
void PruefeMitWerkzeugen(const std::string& pfad, int seiten);

// The inflated bytes of a zlib stream; "<kaputt>" when it is not one.
std::string Entpacke(std::string_view daten);

// A document as TmachPDF writes it, taken apart by its cross-reference table.
class PdfDatei {
public:
    // Checks as it reads: startxref names the "xref" line, every entry is 20 bytes and
    // points at the first byte of "n 0 obj", the trailer's /Size fits, "%%EOF" ends it.
    explicit PdfDatei(std::string bytes);

    const std::string& Bytes() const { return m_bytes; }
    int Groesse() const { return int(m_versaetze.size()) + 1; } // /Size
    std::size_t Versatz(int nummer) const { return m_versaetze.at(std::size_t(nummer - 1)); }
    // Object n from "n 0 obj" to its "endobj" line, both included.
    std::string Objekt(int nummer) const;
    // The data of a stream object, as long as its /Length says (direct or in an object).
    std::string Stream(int nummer) const;

private:
    void Lies();

    std::string m_bytes;
    std::vector<std::size_t> m_versaetze;
};

// The bytes of the date in /CreationDate replaced by 20240101120000, after checking
// that they are 14 digits.
std::string OhneDatum(std::string pdf);

} // namespace senvio::test
