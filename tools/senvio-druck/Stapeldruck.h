#pragma once

#include "Druckaufruf.h"

class QTextStream;

namespace senvio {

// Prints every list of the call in turn; a list that fails is reported on `fehler`
// and the others are still printed. Returns the exit code: 0 when every list was
// printed, 1 otherwise.
int DruckeListen(const Druckaufruf& aufruf, QTextStream& aus, QTextStream& fehler);

} // namespace senvio
