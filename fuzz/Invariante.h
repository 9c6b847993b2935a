#pragma once

// Stops the fuzz run with a message when an invariant of a reader does not hold.
#include <cstdio>
#include <cstdlib>

namespace senvio::fuzz {

inline void Pruefe(bool bedingung, const char* was) {
    if (!bedingung) {
        std::fprintf(stderr, "Invariante verletzt: %s\n", was);
        std::abort();
    }
}

} // namespace senvio::fuzz
