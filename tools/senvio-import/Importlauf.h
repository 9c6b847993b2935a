#pragma once

#include "Importaufruf.h"

class QTextStream;

namespace senvio {

// Reads the sources of the call and writes the list: atomically and only when the whole
// import succeeded, so that any error leaves every list as it was. Prints the number of
// imported entries and the list file's path on `aus`, notes and errors on `fehler`.
// Returns the exit code: 0 done, 1 a file or format error, 2 an unusable list name.
int FuehreImportAus(const Importaufruf& aufruf, QTextStream& aus, QTextStream& fehler);

} // namespace senvio
