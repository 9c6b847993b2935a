#include "import/Archiv.h"

#include "platform/Fehler.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace senvio {

namespace {

using Archivleser = std::unique_ptr<archive, int (*)(archive*)>;

Fehler Unbrauchbar(const QString& datei, const QString& grund) {
    return Fehler(QStringLiteral("Das Archiv %1 kann nicht gelesen werden: %2.").arg(datei, grund));
}

// A member's path must stay inside the archive: no absolute path, no "..".
bool IstSichererPfad(const QString& pfad) {
    if (pfad.isEmpty() || pfad.startsWith(u'/') || pfad.startsWith(u'\\') || (pfad.size() >= 2 && pfad[1] == u':'))
        return false;
    for (const QStringView teil : QStringView(pfad).split(u'/'))
        for (const QStringView stueck : teil.split(u'\\'))
            if (stueck == u"..")
                return false;
    return true;
}

} // namespace

bool IstZip(QByteArrayView anfang) {
    return anfang.startsWith("PK\x03\x04") || anfang.startsWith("PK\x05\x06");
}

bool IstTar(QByteArrayView anfang) {
    return anfang.size() >= 262 && anfang.sliced(257, 5) == "ustar";
}

QList<Archivteil> LeseArchiv(QByteArrayView bytes, const QString& datei) {
    Archivleser leser(archive_read_new(), archive_read_free);
    archive_read_support_format_zip(leser.get());
    archive_read_support_format_tar(leser.get());
    archive_read_support_filter_none(leser.get());
    if (archive_read_open_memory(leser.get(), bytes.data(), size_t(bytes.size())) != ARCHIVE_OK)
        throw Unbrauchbar(datei, QStringLiteral("es ist weder ein Zip- noch ein Tar-Archiv"));
    QList<Archivteil> teile;
    qint64 gesamt = 0;
    int mitglieder = 0;
    for (;;) {
        archive_entry* eintrag = nullptr;
        const int ergebnis = archive_read_next_header(leser.get(), &eintrag);
        if (ergebnis == ARCHIVE_EOF)
            break;
        if (ergebnis < ARCHIVE_WARN)
            throw Unbrauchbar(datei, QStringLiteral("es ist beschädigt"));
        if (++mitglieder > MeisteArchivteile)
            throw Unbrauchbar(datei, QStringLiteral("es enthält mehr als %1 Dateien").arg(MeisteArchivteile));
        const char* roh = archive_entry_pathname_utf8(eintrag);
        const QString pfad = roh ? QString::fromUtf8(roh) : QString::fromLocal8Bit(archive_entry_pathname(eintrag));
        if (!IstSichererPfad(pfad))
            throw Unbrauchbar(datei, QStringLiteral("die Datei „%1“ darin zeigt aus dem Archiv hinaus").arg(pfad));
        if (archive_entry_filetype(eintrag) != AE_IFREG)
            continue;
        Archivteil teil{pfad, {}};
        char puffer[65536];
        for (;;) {
            const la_ssize_t n = archive_read_data(leser.get(), puffer, sizeof puffer);
            if (n < 0)
                throw Unbrauchbar(datei, QStringLiteral("die Datei „%1“ darin ist beschädigt").arg(pfad));
            if (n == 0)
                break;
            gesamt += n;
            if (gesamt > GroessterArchivinhalt)
                throw Unbrauchbar(datei, QStringLiteral("sein Inhalt ist größer als 64 MiB"));
            teil.bytes.append(puffer, n);
        }
        teile.append(std::move(teil));
    }
    return teile;
}

const Archivteil* FindeArchivteil(const QList<Archivteil>& teile, QStringView name) {
    for (const Archivteil& teil : teile)
        if (QStringView(teil.name).sliced(teil.name.lastIndexOf(u'/') + 1).compare(name, Qt::CaseInsensitive) == 0)
            return &teil;
    return nullptr;
}

} // namespace senvio
