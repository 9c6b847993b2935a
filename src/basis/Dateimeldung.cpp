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

std::string MeldungDerAusnahme(std::exception_ptr ausnahme) {
    try {
        std::rethrow_exception(ausnahme);
    } catch (const std::bad_alloc&) {
        return "Nicht genug Speicher; die Arbeit wurde abgebrochen.";
    } catch (const std::length_error&) {
        return "Nicht genug Speicher; die Arbeit wurde abgebrochen.";
    } catch (const std::system_error&) {
        return "Unerwarteter Fehler des Systems; die Arbeit wurde abgebrochen.";
    } catch (const std::runtime_error& f) {
        return f.what();
    } catch (...) {
        return "Unerwarteter Fehler; die Arbeit wurde abgebrochen.";
    }
}

} // namespace senvio
