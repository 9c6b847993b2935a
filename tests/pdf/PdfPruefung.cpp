#include "PdfPruefung.h"

#include <zlib.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <locale>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>

extern char** environ;

namespace senvio::test {

namespace fs = std::filesystem;

void PdfOrdnerTest::SetUp() {
    // ctest sets LC_ALL=de_DE.UTF-8; make it the program's locale too, as an
    // application does at start.
    std::setlocale(LC_ALL, "");
    try {
        std::locale::global(std::locale(""));
    } catch (const std::runtime_error&) {
    }
    std::string vorlage = (fs::temp_directory_path() / "senvio-pdf-XXXXXX").string();
    ASSERT_NE(mkdtemp(vorlage.data()), nullptr);
    m_ordner = vorlage;
    m_vorher = fs::current_path();
    fs::current_path(m_ordner);
}

void PdfOrdnerTest::TearDown() {
    fs::current_path(m_vorher);
    std::error_code egal;
    fs::remove_all(m_ordner, egal);
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
}

std::vector<std::string> PdfOrdnerTest::Dateien() const {
    std::vector<std::string> namen;
    for (const auto& eintrag : fs::directory_iterator(m_ordner)) {
        namen.push_back(eintrag.path().filename().string());
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

std::string LiesDatei(const fs::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei) {
        return "<fehlt>";
    }
    std::ostringstream inhalt;
    inhalt << datei.rdbuf();
    return inhalt.str();
}

void SchreibDatei(const fs::path& pfad, std::string_view inhalt) {
    std::ofstream datei(pfad, std::ios::binary | std::ios::trunc);
    datei.write(inhalt.data(), std::streamsize(inhalt.size()));
    ASSERT_TRUE(datei.good()) << pfad;
}

std::string Zeilen(std::initializer_list<std::string_view> zeilen) {
    std::string text;
    for (const std::string_view z : zeilen) {
        text.append(z);
        text.append("\r\n");
    }
    return text;
}

Ausgang Starte(const std::vector<std::string>& befehl) {
    char vorlage[] = "/tmp/senvio-ausgabe-XXXXXX";
    const int aus = mkstemp(vorlage);
    std::string fehlerName = std::string(vorlage) + ".err";
    const int err = ::open(fehlerName.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, aus, 1);
    posix_spawn_file_actions_adddup2(&aktionen, err, 2);
    std::vector<char*> argv;
    for (const std::string& teil : befehl) {
        argv.push_back(const_cast<char*>(teil.c_str()));
    }
    argv.push_back(nullptr);
    Ausgang ausgang;
    pid_t kind = 0;
    if (posix_spawnp(&kind, argv[0], &aktionen, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(kind, &status, 0);
        ausgang.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&aktionen);
    ::close(aus);
    ::close(err);
    ausgang.ausgabe = LiesDatei(vorlage);
    ausgang.fehler = LiesDatei(fehlerName);
    fs::remove(vorlage);
    fs::remove(fehlerName);
    return ausgang;
}

void PruefeMitWerkzeugen(const std::string& pfad, int seiten) {
    const Ausgang qpdf = Starte({"qpdf", "--check", pfad});
    EXPECT_EQ(qpdf.status, 0) << qpdf.ausgabe << qpdf.fehler;
    EXPECT_NE(qpdf.ausgabe.find("No syntax or stream encoding errors found"), std::string::npos) << qpdf.ausgabe;
    EXPECT_EQ(qpdf.fehler, "");

    const fs::path ordner = fs::path(pfad).parent_path().empty() ? fs::path(".") : fs::path(pfad).parent_path();
    const std::string stamm = (ordner / "gerendert").string();
    const Ausgang pdftoppm = Starte({"pdftoppm", "-r", "10", "-png", pfad, stamm});
    EXPECT_EQ(pdftoppm.status, 0) << pdftoppm.fehler;
    EXPECT_EQ(pdftoppm.fehler, "");
    int gerendert = 0;
    for (const auto& eintrag : fs::directory_iterator(ordner)) {
        if (eintrag.path().filename().string().starts_with("gerendert-")) {
            ++gerendert;
            EXPECT_GT(fs::file_size(eintrag.path()), 0u);
            fs::remove(eintrag.path());
        }
    }
    EXPECT_EQ(gerendert, seiten);
}

std::string Entpacke(std::string_view daten) {
    z_stream strom{};
    if (inflateInit(&strom) != Z_OK) {
        return "<kaputt>";
    }
    strom.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(daten.data()));
    strom.avail_in = uInt(daten.size());
    std::string ergebnis;
    int antwort = Z_OK;
    while (antwort == Z_OK) {
        char puffer[65536];
        strom.next_out = reinterpret_cast<Bytef*>(puffer);
        strom.avail_out = sizeof puffer;
        antwort = inflate(&strom, Z_NO_FLUSH);
        ergebnis.append(puffer, sizeof puffer - strom.avail_out);
    }
    const bool ganz = antwort == Z_STREAM_END && strom.avail_in == 0;
    inflateEnd(&strom);
    return ganz ? ergebnis : "<kaputt>";
}

namespace {

std::size_t ZahlAb(const std::string& text, std::size_t stelle) {
    return std::size_t(std::strtoull(text.c_str() + stelle, nullptr, 10));
}

} // namespace

PdfDatei::PdfDatei(std::string bytes) : m_bytes(std::move(bytes)) {
    Lies();
}

void PdfDatei::Lies() {
    const std::string schluss = "\r\n%%EOF\r\n";
    if (m_bytes.size() < 40 || m_bytes.compare(m_bytes.size() - schluss.size(), schluss.size(), schluss) != 0) {
        ADD_FAILURE() << "endet nicht mit %%EOF";
        return;
    }
    const std::size_t sx = m_bytes.rfind("startxref\r\n");
    ASSERT_NE(sx, std::string::npos);
    const std::size_t xref = ZahlAb(m_bytes, sx + 11);
    ASSERT_LT(xref, m_bytes.size());
    ASSERT_EQ(m_bytes.substr(xref, 6), "xref\r\n") << "startxref zeigt nicht auf xref";
    ASSERT_EQ(m_bytes.substr(xref + 6, 2), "0 ");
    const std::size_t groesse = ZahlAb(m_bytes, xref + 8);
    std::size_t zeile = m_bytes.find("\r\n", xref + 6) + 2;
    ASSERT_EQ(m_bytes.substr(zeile, 20), "0000000000 65535 f\r\n");
    for (std::size_t n = 1; n < groesse; ++n) {
        zeile += 20;
        const std::string eintrag = m_bytes.substr(zeile, 20);
        ASSERT_EQ(eintrag.substr(10), " 00000 n\r\n") << "Eintrag " << n;
        ASSERT_EQ(eintrag.find_first_not_of("0123456789"), 10u) << "Eintrag " << n;
        const std::size_t versatz = ZahlAb(eintrag, 0);
        const std::string kopf = std::to_string(n) + " 0 obj\r\n";
        ASSERT_EQ(m_bytes.substr(versatz, kopf.size()), kopf) << "Eintrag " << n << " zeigt daneben";
        m_versaetze.push_back(versatz);
    }
    zeile += 20;
    const std::string trailer =
        Zeilen({"trailer", "<< /Size " + std::to_string(groesse), "/Root " + std::to_string(groesse - 1) + " 0 R",
                "/Info 1 0 R", ">>", "startxref", std::to_string(xref), "%%EOF"});
    EXPECT_EQ(m_bytes.substr(zeile), trailer);
}

std::string PdfDatei::Objekt(int nummer) const {
    const std::size_t anfang = Versatz(nummer);
    const std::size_t ende = m_bytes.find("endobj\r\n", anfang);
    return m_bytes.substr(anfang, ende + 8 - anfang);
}

std::string PdfDatei::Stream(int nummer) const {
    const std::string objekt = Objekt(nummer);
    const std::size_t l = objekt.find("/Length ");
    const std::size_t stream = objekt.find("stream\r\n");
    if (l == std::string::npos || stream == std::string::npos) {
        return "<kein Stream>";
    }
    const std::size_t wert = ZahlAb(objekt, l + 8);
    std::size_t laenge = wert;
    if (objekt.compare(objekt.find_first_not_of("0123456789", l + 8), 5, " 0 R\r") == 0) {
        const std::string laengenObjekt = Objekt(int(wert));
        laenge = ZahlAb(laengenObjekt, laengenObjekt.find("\r\n") + 2);
    }
    return objekt.substr(stream + 8, laenge);
}

std::string OhneDatum(std::string pdf) {
    const std::string_view marke = "/CreationDate (D:";
    const std::size_t stelle = pdf.find(marke);
    if (stelle == std::string::npos) {
        ADD_FAILURE() << "keine /CreationDate";
        return pdf;
    }
    const std::string datum = pdf.substr(stelle + marke.size(), 15);
    EXPECT_EQ(datum.find_first_not_of("0123456789"), 14u) << datum;
    pdf.replace(stelle + marke.size(), 14, "20240101120000");
    return pdf;
}

} // namespace senvio::test
