#pragma once

#include <QString>

// Logos as a library holds them: 200 × 100 to 800 × 400, a coloured badge with the
// station's name on a transparent ground, edges anti-aliased into partial alpha.
// Saved as "sender0001.png", "sender0002.png", … in the folder (which ends with "/").
void LegeLogosAn(const QString& ordner, int anzahl);

QString BenchLogoName(int nummer);

// Logos made for dark television screens, four kinds in turn: white lettering on a
// transparent ground; the same beside a coloured block; white lettering on an opaque
// dark ground; near-white lettering with a faint dark shadow on a transparent ground.
// Saved as "bildschirm0001.png", … in the folder (which ends with "/").
void LegeBildschirmlogosAn(const QString& ordner, int anzahl);
