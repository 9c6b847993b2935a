#pragma once

#include "basis/Dateimeldung.h"

#include <stdexcept>
#include <string>

namespace senvio::hilfe {

// A source the help generator cannot use; what() is a German message in UTF-8.
class HilfeFehler : public Meldungsfehler {
public:
    explicit HilfeFehler(const std::string& meldung) : Meldungsfehler(meldung) {}
};

} // namespace senvio::hilfe
