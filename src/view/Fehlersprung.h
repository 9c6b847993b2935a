#pragma once

#include <csetjmp>

namespace senvio {

// Runs one step of calls into a C library (libpng, libjpeg) whose errors end in a
// longjmp to `sprung`; false when the step ended that way. The jump goes past the
// step's frame: this function and every step hold only trivially destructible locals,
// so it skips no destructor.
template <typename Schritt> [[gnu::noinline]] bool FangeFehlersprung(std::jmp_buf& sprung, const Schritt& schritt) {
    if (setjmp(sprung) != 0) {
        return false;
    }
    schritt();
    return true;
}

} // namespace senvio
