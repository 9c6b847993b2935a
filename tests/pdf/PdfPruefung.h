#pragma once

// What the PDF tests share: a fresh folder per test, files read whole, programs run, and a
// reader of TmachPDF's files that checks them.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <locale>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace senvio::test {

namespace fs = std::filesystem;

// Each test runs in the new folder "arbeit" of a temporary folder, which takes what the
// programs print, under the locale that ctest sets (German: a decimal comma).
class PdfOrdnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::locale::global(std::locale("")); // as the program does at start
        std::string vorlage = (fs::temp_directory_path() / "senvio-pdf-XXXXXX").string();
        ASSERT_NE(mkdtemp(vorlage.data()), nullptr);
        m_ordner = vorlage;
        m_vorher = fs::current_path();
        fs::create_directory(m_ordner / "arbeit");
        fs::current_path(m_ordner / "arbeit");
    }
    void TearDown() override {
        fs::current_path(m_vorher);
        fs::remove_all(m_ordner);
        std::locale::global(std::locale::classic());
    }
    std::vector<std::string> Dateien() const { // sorted
        std::vector<std::string> namen;
        for (const auto& eintrag : fs::directory_iterator("."))
            namen.push_back(eintrag.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }

    fs::path m_ordner, m_vorher;
};

inline std::string LiesDatei(const std::string& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return datei ? std::string(std::istreambuf_iterator<char>(datei), {}) : "<fehlt>";
}

inline void SchreibDatei(const std::string& pfad, std::string_view inhalt) {
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

// Each line ended by CR LF.
inline std::string Zeilen(std::initializer_list<std::string_view> zeilen) {
    std::string text;
    for (const std::string_view z : zeilen)
        text.append(z).append("\r\n");
    return text;
}

struct Ausgang {
    int status;
    std::string ausgabe, fehler;
};

// A shell command; what it prints goes beside the working folder, out of Dateien()'s sight.
inline Ausgang Starte(const std::string& befehl) {
    const int status = std::system(("(" + befehl + ") >../aus 2>../fehler").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, LiesDatei("../aus"), LiesDatei("../fehler")};
}

// "<kaputt>" when it is no whole zlib stream; the output room grows until the data fits.
inline std::string Entpacke(std::string_view zlib) {
    for (uLong platz = 4096;; platz *= 4) {
        std::string daten(platz, '\0');
        uLong laenge = platz, gelesen = zlib.size();
        const int antwort = uncompress2(reinterpret_cast<Bytef*>(daten.data()), &laenge,
                                        reinterpret_cast<const Bytef*>(zlib.data()), &gelesen);
        if (antwort != Z_BUF_ERROR)
            return antwort == Z_OK && gelesen == zlib.size() ? daten.substr(0, laenge) : "<kaputt>";
    }
}

// A file that TmachPDF wrote, read by its cross-reference table. Reading checks that "qpdf --check" passes, pdftoppm
// renders `seiten` pages, startxref names the "xref" line, every entry points at its "n 0 obj", and the trailer fits.
class PdfDatei {
public:
    PdfDatei(const std::string& pfad, int seiten) : m_bytes(LiesDatei(pfad)) {
        const Ausgang werkzeuge = Starte("qpdf --check " + pfad + " >/dev/null && pdftoppm -r 5 " + pfad +
                                         " ../seite && ls ../seite-* | wc -l && rm ../seite-*");
        EXPECT_EQ(werkzeuge.status, 0) << pfad;
        EXPECT_EQ(werkzeuge.fehler + werkzeuge.ausgabe, std::to_string(seiten) + "\n") << pfad;
        Lies();
    }
    const std::string& Bytes() const { return m_bytes; }
    int Groesse() const { return int(m_versaetze.size()) + 1; } // /Size

    // Object `nummer` up to its "endobj" line.
    std::string Objekt(int nummer) const {
        const std::size_t ende = m_bytes.find("endobj\r\n", Versatz(nummer)) + 8;
        return m_bytes.substr(Versatz(nummer), ende - Versatz(nummer));
    }

    // The data, as long as /Length says: directly or as "n 0 R" of an object that holds only the number.
    std::string Stream(int nummer) const {
        const std::size_t wert = m_bytes.find("/Length ", Versatz(nummer)) + 8;
        std::size_t laenge = std::strtoull(m_bytes.c_str() + wert, nullptr, 10);
        if (m_bytes.compare(m_bytes.find_first_not_of("0123456789", wert), 6, " 0 R\r\n") == 0)
            laenge = std::strtoull(Objekt(int(laenge)).c_str() + std::to_string(laenge).size() + 8, nullptr, 10);
        return m_bytes.substr(m_bytes.find("stream\r\n", Versatz(nummer)) + 8, laenge);
    }

private:
    std::size_t Versatz(int nummer) const { return m_versaetze.at(std::size_t(nummer - 1)); }

    void Lies() {
        const std::size_t sx = m_bytes.rfind("startxref\r\n");
        ASSERT_NE(sx, std::string::npos);
        const std::size_t xref = std::strtoull(m_bytes.c_str() + sx + 11, nullptr, 10);
        ASSERT_EQ(m_bytes.substr(std::min(xref, sx), 8), "xref\r\n0 ") << "startxref zeigt nicht auf xref";
        const int groesse = std::atoi(m_bytes.c_str() + xref + 8);
        std::size_t eintrag = m_bytes.find("\r\n", xref + 8) + 2;
        ASSERT_EQ(m_bytes.substr(eintrag, 20), "0000000000 65535 f\r\n");
        for (int n = 1; n < groesse; ++n) {
            eintrag += 20;
            ASSERT_EQ(m_bytes.substr(eintrag + 10, 10), " 00000 n\r\n") << "Eintrag " << n;
            const std::size_t versatz = std::strtoull(m_bytes.c_str() + eintrag, nullptr, 10);
            const std::string kopf = std::to_string(n) + " 0 obj\r\n";
            ASSERT_EQ(m_bytes.substr(std::min(versatz, sx), kopf.size()), kopf) << "Eintrag " << n << " zeigt daneben";
            m_versaetze.push_back(versatz);
        }
        EXPECT_EQ(m_bytes.substr(eintrag + 20), Zeilen({"trailer", "<< /Size " + std::to_string(groesse),
                                                        "/Root " + std::to_string(groesse - 1) + " 0 R", "/Info 1 0 R",
                                                        ">>", "startxref", std::to_string(xref), "%%EOF"}));
    }

    std::string m_bytes;
    std::vector<std::size_t> m_versaetze;
};

} // namespace senvio::test
