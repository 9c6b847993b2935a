#pragma once

#include "import/Importquelle.h"

// Channel files of Linux video recorders ("channels.conf").
namespace senvio {

// True when most lines of the start (group lines aside) are channel lines of thirteen
// fields with a numeric frequency and service id and a source starting with a letter.
bool IstKanaldatei(QByteArrayView anfang);

// Channels in file order, numbered from 1; a line ":text" starts a group, ":@n text"
// also sets the receiver's next number (":@n" alone only the number). Channels before
// the first group belong to a group named after the file. A video PID of 0 or 1 marks
// radio: a recorder group with both kinds becomes a TV and a radio group of one name.
// The name is the long one: "|" read as ":", provider and short name cut off.
ImportFund LeseKanaldatei(const QByteArray& bytes, const QString& dateiname);

} // namespace senvio
