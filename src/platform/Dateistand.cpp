#include "platform/Dateistand.h"

#include <QFile>

#include <sys/stat.h>

namespace senvio {

Dateistand DateistandVon(const struct stat& info) {
    return {S_ISREG(info.st_mode), quint64(info.st_ino), qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
            qint64(info.st_ctim.tv_sec) * 1'000'000'000 + info.st_ctim.tv_nsec};
}

Dateistand LiesDateistand(const QString& pfad) {
    struct stat info {};
    if (::stat(QFile::encodeName(pfad).constData(), &info) != 0)
        return {};
    return DateistandVon(info);
}

} // namespace senvio
