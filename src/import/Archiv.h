#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// Zip and tar files of TV sets' exports, unpacked in memory through libarchive; nothing is
// written anywhere.
namespace senvio {

// Bounds of an archive: no TV's export comes near them.
inline constexpr qint64 GroessterArchivinhalt = qint64(64) << 20;
inline constexpr int MeisteArchivteile = 1000;

struct Archivteil {
    QString name; // the member's path in the archive, "/" between folders
    QByteArray bytes;
};

// True for the start of a zip ("PK\3\4", or "PK\5\6" of an empty one) or a tar ("ustar" at 257).
bool IstZip(QByteArrayView anfang);
bool IstTar(QByteArrayView anfang);

// The regular files of a zip or tar in their order; folders and links left out. Throws
// Fehler with a German message naming `datei` when the archive is damaged, unpacks to more
// than GroessterArchivinhalt, holds more than MeisteArchivteile members, or names a member
// with ".." or an absolute path.
QList<Archivteil> LeseArchiv(QByteArrayView bytes, const QString& datei);

// The member whose file name (the last part of its path) is `name`, in any letter case;
// nullptr when there is none.
const Archivteil* FindeArchivteil(const QList<Archivteil>& teile, QStringView name);

} // namespace senvio
