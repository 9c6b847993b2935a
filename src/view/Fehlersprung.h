#pragma once

#include <png.h>

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

// libpng's error and warning handlers for reading and writing: an error ends in a jump
// back to FangeFehlersprung, and nothing is printed.
[[noreturn]] inline void SpringeZurueck(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
inline void UebergeheWarnung(png_structp, png_const_charp) {}

} // namespace senvio
