#include "basis/Dateimeldung.h"

#include <new>
#include <stdexcept>
#include <system_error>

namespace senvio {

namespace {

const char* Grund(int fehlernummer) {
    switch (fehlernummer) {
    case EACCES:
    case EPERM:
        return "keine Berechtigung";
    case ENOSPC:
    case EDQUOT:
        return "Datenträger voll";
    case ENAMETOOLONG:
        return "Name zu lang";
    case EFBIG:
    case EOVERFLOW:
        return "zu groß";
    default:
        return nullptr;
    }
}

} // namespace

std::string DateiMeldung(DateiFehlerArt art, std::string_view pfad, int fehlernummer) {
    std::string meldung = "Datei ";
    meldung += pfad;
    meldung += art == DateiFehlerArt::NichtErstellt ? " kann nicht erstellt werden" : " kann nicht geöffnet werden";
    if (const char* grund = Grund(fehlernummer)) {
        meldung += " (";
        meldung += grund;
        meldung += ')';
    }
    return meldung;
}

std::string MeldungDer(const std::exception& fehler) {
    if (dynamic_cast<const Meldungsfehler*>(&fehler))
        return fehler.what();
    if (dynamic_cast<const std::bad_alloc*>(&fehler) || dynamic_cast<const std::length_error*>(&fehler))
        return "Nicht genug Speicher; die Arbeit wurde abgebrochen.";
    if (dynamic_cast<const std::system_error*>(&fehler))
        return "Unerwarteter Fehler des Systems; die Arbeit wurde abgebrochen.";
    return "Unerwarteter Fehler; die Arbeit wurde abgebrochen.";
}

std::string MeldungDerAusnahme(std::exception_ptr ausnahme) {
    try {
        std::rethrow_exception(ausnahme);
    } catch (const std::exception& f) {
        return MeldungDer(f);
    } catch (...) {
        return "Unerwarteter Fehler; die Arbeit wurde abgebrochen.";
    }
}

} // namespace senvio
