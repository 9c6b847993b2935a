#pragma once

#include <QImage>

// The five built-in placeholder pictures OhneImage0 to OhneImage4: 200 × 100 pixels,
// white ground, a rounded frame and "ohne Logo" in black, blue, gold, red and light green.
namespace senvio {

inline constexpr int AnzahlPlatzhalterbilder = 5;

// Placeholder picture k (0 to 4; any other k gives picture 0), 200 × 100, Format_RGB32.
// Decoded once, kept.
const QImage& Platzhalterbild(int k);

} // namespace senvio
