#pragma once

#include <stdexcept>
#include <string>

namespace senvio::hilfe {

// A source the help generator cannot use; what() is a German message in UTF-8.
class HilfeFehler : public std::runtime_error {
public:
    explicit HilfeFehler(const std::string& meldung) : std::runtime_error(meldung) {}
};

} // namespace senvio::hilfe
