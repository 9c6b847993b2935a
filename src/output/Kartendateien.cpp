#include "output/Kartendateien.h"

#include "output/Bildschreiber.h"
#include "output/Kartenbilder.h"
#include "output/Seitenpdf.h"
#include "pdf/Bildvorlauf.h"
#include "platform/Fehler.h"

#include <QFile>
#include <QRegularExpression>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace senvio {

namespace {

// Every run starts from a temporary folder without pictures: the page stage reads card
// files back by name, and a leftover of an earlier run would be taken for a current card.
// A folder elsewhere that "Temp" links to is not ours to write into or to empty.
void LeereTempOrdner(const Kartenauftrag& auftrag) {
    if (!senvio::LeereTempOrdner(auftrag.tempOrdner))
        throw Fehler(QStringLiteral("Der Ordner %1 ist eine Verknüpfung auf einen anderen Ordner. Senvio legt seine "
                                    "Seitenbilder nur in einem eigenen Ordner ab: Bitte die Verknüpfung durch einen "
                                    "Ordner ersetzen.")
                         .arg(auftrag.tempOrdner));
}

int AnzahlEintraege(const Kartenauftrag& auftrag) {
    return int(auftrag.liste->Anzahl());
}

// Refuses the run when the disk of the lists folder has not room enough for it.
void PruefePlatz(const Kartenauftrag& auftrag, const Ausgabeziel& ziel) {
    const int eintraege = AnzahlEintraege(auftrag);
    const QStorageInfo platte(ziel.listenOrdner);
    if (!platte.isValid())
        return;
    if (const QString mangel = Platzmangel(AnzahlSeiten(eintraege), Platzbedarf(eintraege, auftrag.eintragsBreite),
                                           platte.bytesAvailable());
        !mangel.isEmpty())
        throw Fehler(mangel);
}

// Runs the stages; a run that fails takes its scratch files along, so that a full disk
// is not left full.
template <typename Lauf> auto RaeumtAufWennScheitert(const Kartenauftrag& auftrag, Lauf&& lauf) {
    try {
        return lauf();
    } catch (...) {
        senvio::LeereTempOrdner(auftrag.tempOrdner);
        throw;
    }
}

} // namespace

Kartenauftrag AuftragFuerListe(const SenderListe& liste, Eintragsumgebung& umgebung, const ProgrammOrdner& ordner,
                               Ausgabeart art, const Listenschrift& schrift, int eintragsBreite, const QColor& grund) {
    Kartenauftrag auftrag;
    auftrag.liste = &liste;
    auftrag.umgebung = &umgebung;
    auftrag.schrift = schrift.schrift;
    auftrag.textfarbe = schrift.farbe;
    auftrag.grund = grund;
    auftrag.eintragsBreite = eintragsBreite;
    auftrag.tempOrdner = ordner.temp;
    auftrag.art = art;
    return auftrag;
}

bool LeereTempOrdner(const QString& tempOrdner) {
    const int fd = ::open(QFile::encodeName(tempOrdner).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat verweis {};
    if (fd < 0) // missing or no folder: nothing to empty; a link is not followed
        return ::lstat(QFile::encodeName(tempOrdner).constData(), &verweis) != 0 || !S_ISLNK(verweis.st_mode);
    DIR* ordner = ::fdopendir(fd);
    if (!ordner) {
        ::close(fd);
        return true;
    }
    static const QRegularExpression unsere(QStringLiteral("^(BildNr[0-9]+_[0-9]+|DINA4_[0-9]+)\\.bmp$"));
    // Collected first: the listing is not changed under readdir.
    std::vector<QByteArray> weg;
    while (const dirent* eintrag = ::readdir(ordner)) {
        struct stat s {};
        if (unsere.match(QFile::decodeName(eintrag->d_name)).hasMatch() &&
            ::fstatat(fd, eintrag->d_name, &s, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(s.st_mode))
            weg.emplace_back(eintrag->d_name);
    }
    for (const QByteArray& name : weg)
        ::unlinkat(fd, name.constData(), 0); // a link of our name goes itself, never what it points to
    ::closedir(ordner);
    return true;
}

qint64 Platzbedarf(int eintraege, int eintragsBreite) {
    const qint64 breite = std::max(KartenBreite, eintragsBreite);
    const qint64 karte = breite * KartenHoehe * 4;
    const qint64 seite = (2 * breite + Kartenabstand) * (2 * KartenHoehe + Kartenabstand) * 4;
    const qint64 seiten = AnzahlSeiten(eintraege);
    return seiten * (AnzahlKarten(eintraege) * karte + seite + seite / 4);
}

QString Platzmangel(int seiten, qint64 bedarf, qint64 frei) {
    if (bedarf <= frei)
        return {};
    const auto mb = [](qint64 bytes) { return QString::number((bytes + (1 << 20) - 1) >> 20); };
    return QStringLiteral("Für den Druck von %1 Seiten sind etwa %2 MB freier Platz nötig, frei sind %3 MB.")
        .arg(seiten)
        .arg(mb(bedarf), QString::number(frei >> 20));
}

Ausgabeziel ZielFuer(const ProgrammOrdner& ordner, const QString& listenName) {
    return {ordner.listen, listenName};
}

QString Ausgabedatei(const Ausgabeziel& ziel, Ausgabeart art) {
    const QString endung = art == Ausgabeart::BildJpeg  ? QStringLiteral(".jpg")
                           : art == Ausgabeart::BildPng ? QStringLiteral(".png")
                                                        : QStringLiteral(".pdf");
    return ziel.listenOrdner + ziel.listenName + endung;
}

QString Drucke(Kartenauftrag auftrag, const Ausgabeziel& ziel, const std::function<void()>& vorDemPdf) {
    LeereTempOrdner(auftrag);
    PruefePlatz(auftrag, ziel);
    return RaeumtAufWennScheitert(auftrag, [&] {
        // Each page picture is read back and compressed for the PDF as soon as its file is
        // written, on every core, while the next pages are drawn.
        Bildvorlauf vorlauf(true);
        auftrag.seiteGeschrieben = [&vorlauf, &auftrag](int seite) {
            vorlauf.Nimm(Seitenbildname(auftrag.tempOrdner, seite));
        };
        ErstelleAlleBitmaps(auftrag);
        if (vorDemPdf)
            vorDemPdf();

        const PdfAuftrag pdf{auftrag.tempOrdner, Ausgabedatei(ziel, auftrag.art), ziel.listenName, &vorlauf,
                             vorlauf.Anzahl()};
        ErstelleDiePDF(pdf);
        // The PDF holds every page now: its pictures would only fill the disk.
        LeereTempOrdner(auftrag);
        return pdf.pdfDatei;
    });
}

QString SpeichereBild(Kartenauftrag auftrag, const Ausgabeziel& ziel) {
    LeereTempOrdner(auftrag);
    const int eintraege = AnzahlEintraege(auftrag);
    if (eintraege == 0)
        return {};
    PruefePlatz(auftrag, ziel);

    // Every page has the same number of cards, so the height is known before the first
    // page: a picture the format cannot hold is refused before anything is drawn.
    const int seiten = AnzahlSeiten(eintraege);
    const qint64 hoehe = qint64(seiten) * AnzahlKarten(eintraege) * KartenHoehe;
    const int breite = std::max(KartenBreite, auftrag.eintragsBreite);
    const Bildformat format = auftrag.art == Ausgabeart::BildJpeg ? Bildformat::Jpeg : Bildformat::Png;
    const QString datei = Ausgabedatei(ziel, auftrag.art);

    return RaeumtAufWennScheitert(auftrag, [&] {
        Bildschreiber schreiber(datei, format, breite, int(std::min<qint64>(hoehe, INT32_MAX)));
        auftrag.schreibeBild = [&schreiber](const QImage& seite) { schreiber.SchreibeStreifen(seite); };
        ErstelleAlleBitmaps(auftrag);
        schreiber.Schliesse();
        LeereTempOrdner(auftrag);
        return datei;
    });
}

} // namespace senvio
