#pragma once

#include <cerrno>
#include <exception>
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

// For a tool's main: the German message of an exception that ends it. Our errors derive
// from std::runtime_error and carry a German what() (UTF-8); the standard library's own
// get a German message instead of their English one: "Nicht genug Speicher …" for
// bad_alloc and length_error, a general one for system_error and anything else.
std::string MeldungDerAusnahme(std::exception_ptr ausnahme);

} // namespace senvio
