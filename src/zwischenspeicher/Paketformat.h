#pragma once

#include "basis/Deskriptor.h"

#include <QByteArray>
#include <QImage>

#include <atomic>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

// The cache's files. The pictures lie in packs: a pack is written by one program, under a
// temporary name until it is closed with its index, then renamed into place and never
// changed again. Making a file costs far more than writing a picture's bytes (on a busy
// ext4 many times the decoding), so a run makes a few packs instead of a file per picture.
namespace senvio {

inline constexpr char Paketendung[] = ".paket";
inline constexpr char Paketvorsilbe[] = ".neu-";
inline constexpr char AltePaketendung[] = ".bild"; // a picture per file, as the first version kept them
// Small enough that the cap drops old pictures in steps, large enough for few files.
inline constexpr qint64 Paketgroesse = qint64(4) << 20;

// Where a picture of the index lies: its key's value and the entry's offset in the pack.
struct Verweis {
    quint64 schluesselwert; // the key's SHA-1, its first 8 bytes
    quint64 versatz;
};

struct Paket {
    explicit Paket(int fd) : datei(fd) {}
    Deskriptor datei; // open while its entries are in the index, so a pack deleted meanwhile still reads
    std::string pfad;
    std::atomic<qint64> ende{0}; // end of the entries; grows under the lock, read outside it
    timespec zeit{};
    std::vector<Verweis> verweise;
    std::atomic<bool> frisch{true}; // used within the hour, so the tidying keeps it
};

struct Ort {
    std::shared_ptr<Paket> paket;
    quint64 versatz = 0;
};

bool Frueher(const timespec& a, const timespec& b);

// The names the cache gives its files; nothing of another name is ever removed. A finished
// pack is "SECONDS-NANOSECONDS-PID-N.paket" (the seconds in hexadecimal), a pack being written
// ".neu-PID-XXXXXX" (".neu-XXXXXX" before the writer was named), a picture of the first
// version 40 hexadecimal digits and ".bild".
bool IstPaketname(std::string_view name);
bool IstAlterBildname(std::string_view name);
// A pack being written; `schreiber` is its writer's process, 0 where the name does not tell.
bool IstNeuesPaket(std::string_view name, pid_t& schreiber);

// A finished pack whose header, footer and index check out; its entries are checked as
// they are read. `kaputt` tells one that was read and did not check out. Anything but a plain
// file of this user that no one else may write is left unread (never waited for: a FIFO).
std::shared_ptr<Paket> OeffnePaket(const std::string& pfad, bool& kaputt);

// A new pack under a temporary name in the folder, its header written; nullptr when the
// file cannot be made. `fehlt` tells that the folder is not there.
std::shared_ptr<Paket> BeginnePaketdatei(const std::string& ordner, bool& fehlt);

// The bytes an entry of this key and picture size takes.
qsizetype Eintragslaenge(const QByteArray& schluessel, QSize groesse);

// Appends the picture under its key at the pack's end; returns the entry's offset, -1 when
// it could not be written.
qint64 SchreibeEintrag(Paket& paket, const QByteArray& schluessel, const QImage& bild);

// The stored picture, or a null one for an entry that does not check out in every byte:
// rules, size, key, length and checksum.
QImage LiesEintrag(const Ort& ort, const QByteArray& schluessel, QSize groesse);

// Writes the index and the footer and renames the pack into place as a finished pack of
// the folder; returns its file name, empty when that failed (the temporary file is gone
// then, its pictures stay readable through the open file).
std::string SchliessePaketAb(Paket& paket, const std::string& ordner);

} // namespace senvio
