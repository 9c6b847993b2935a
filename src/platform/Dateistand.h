#pragma once

#include <QString>

struct stat;

namespace senvio {

// What tells whether a file was replaced or changed since it was last seen: its kind, inode,
// size and times (nanoseconds). A file that does not exist has the state {}.
struct Dateistand {
    bool normaleDatei = false;
    quint64 inode = 0;
    qint64 groesse = -1;
    qint64 geaendertNs = 0;
    qint64 statusNs = 0;
    bool operator==(const Dateistand&) const = default;
};

Dateistand LiesDateistand(const QString& pfad);
Dateistand DateistandVon(const struct stat& info);

} // namespace senvio
