#include "basis/Dateimeldung.h"

namespace senvio {

std::string DateiMeldung(DateiFehlerArt art, std::string_view pfad) {
    std::string meldung = "Datei ";
    meldung += pfad;
    meldung += art == DateiFehlerArt::NichtErstellt ? " kann nicht erstellt werden" : " kann nicht geöffnet werden";
    return meldung;
}

} // namespace senvio
