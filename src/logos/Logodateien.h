#pragma once

#include <QString>
#include <QStringList>

// The logo files of a group folder: which names count, how names are tidied.
namespace senvio {

// True when the name's extension (from its last ".", lower-cased in ASCII) is not
// empty and occurs within the wanted extension: for ".png" also ".p", ".pn" and ".".
bool IstLogoEndung(const QString& dateiname, const QString& endung);

// The file name after one round of tidying, each step on its first occurrence only,
// looking at the name as the 8-bit code page shows it: a middle dot becomes "ss",
// then "u", "o" and "a" followed by a diaeresis lose the diaeresis.
QString NormalisiereLogoname(const QString& dateiname);

struct GeleseneLogodateien {
    QStringList dateien;   // full paths, in name order
    QStringList meldungen; // one text per rename that failed
};

// Lists the qualifying files of a folder (no sub-folders, no sorting), renaming the
// ones whose name the tidying changes. A rename that fails is reported and the
// tidied path listed all the same.
GeleseneLogodateien LeseLogodateien(const QString& ordner, const QString& endung);

// Removes the last four entries whose file name holds "ohne logo" in any case of
// ASCII letters: those are the placeholders kept beside the logos.
void EntferneOhneLogodateien(QStringList& dateien);

} // namespace senvio
