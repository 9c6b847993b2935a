#pragma once

#include <cerrno>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

// The German message of a file that cannot be used. The Qt libraries' DateiFehler and
// the PDF writer's PdfDateiFehler both show it, so it is built here once, with the C++
// standard library only: the PDF writer knows no Qt.
namespace senvio {

enum class DateiFehlerArt { NichtErstellt, NichtGeoeffnet };

// "Datei PFAD kann nicht erstellt werden" or "Datei PFAD kann nicht geöffnet werden",
// in UTF-8; the path (UTF-8 as well) stands as given. The error number of the failed
// call adds the reason where it tells the user something: "(keine Berechtigung)",
// "(Datenträger voll)", "(Name zu lang)", "(zu groß)". Taken from errno by default, so
// the message is to be made right after the call that failed.
std::string DateiMeldung(DateiFehlerArt art, std::string_view pfad, int fehlernummer = errno);

// Our errors: what() is a German message for the user (UTF-8). Any other exception, a
// std::runtime_error of a library included, is never shown with its own (English) text.
class Meldungsfehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The German message of an exception: a Meldungsfehler's own; "Nicht genug Speicher …" for
// bad_alloc and length_error, a general one for system_error and anything else.
std::string MeldungDer(const std::exception& fehler);

// For a tool's main: the German message of an exception that ends it (MeldungDer).
std::string MeldungDerAusnahme(std::exception_ptr ausnahme);

} // namespace senvio
