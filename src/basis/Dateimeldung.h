#pragma once

#include <string>
#include <string_view>

// The German message of a file that cannot be used. The Qt libraries' DateiFehler and
// the PDF writer's PdfDateiFehler both show it, so it is built here once, with the C++
// standard library only: the PDF writer knows no Qt.
namespace senvio {

enum class DateiFehlerArt { NichtErstellt, NichtGeoeffnet };

// "Datei PFAD kann nicht erstellt werden" or "Datei PFAD kann nicht geöffnet werden",
// in UTF-8; the path (UTF-8 as well) stands as given.
std::string DateiMeldung(DateiFehlerArt art, std::string_view pfad);

} // namespace senvio
