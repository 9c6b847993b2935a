#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// The key a prepared picture is stored under: what it is made from. A picture of any other
// file, time, box or rules has another key.
namespace senvio {

// `echt` is the file the key names (its canonical path), empty for one that is not there;
// the key is empty then, and for anything that is not a plain file.
QByteArray SchluesselVon(const QString& echt, const char* art, QSize groesse);
// The key's value in the index: the first 8 bytes of its SHA-1.
quint64 Schluesselwert(const QByteArray& schluessel);

} // namespace senvio
