#include "dokument/Dokumentdruck.h"

#include "output/Kartendateien.h"
#include "output/Rueckseite.h"
#include "platform/AtomareDatei.h"
#include "platform/Fehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace senvio {

namespace {

// The direct print's order; the large print also takes the list's name, the short names and
// the back side beside the list. Its cards hold fewer entries than the others, so it always
// prints the whole list.
Kartenauftrag Direktauftrag(Listendokument& dokument, const SenderListe& linien, Eintragsumgebung& umgebung,
                            const Blattwahl& wahl, const Listenschrift& schrift, int eintragsBreite,
                            const QColor& grund) {
    StelleNamenBereit(umgebung, dokument.Liste().Zeilen(), schrift.schrift);
    Kartenauftrag auftrag =
        AuftragFuerListe(linien, umgebung, dokument.Ordner(), wahl.art, schrift, eintragsBreite, grund);
    if (wahl.art != Ausgabeart::Grossdruck)
        return auftrag;
    auftrag.listenname = dokument.Name();
    for (qsizetype i = 0; i < linien.Anzahl(); ++i)
        auftrag.kurznamen << dokument.Herkunft(i).kurzname;
    if (wahl.rueckseite)
        auftrag.rueckseite = LeseRueckseite(RueckseitendateiZu(dokument.Datei()));
    return auftrag;
}

// The large print is another set of cards: the changed cards of the sleeves still wait after it.
Ausgabezweck ZweckDesDrucks(const Blattwahl& wahl, Ausgabezweck zweck) {
    return wahl.art == Ausgabeart::Grossdruck ? Ausgabezweck::Bild : zweck;
}

bool IstDieselbe(const struct stat& datei, const QString& pfad) {
    struct stat andere {};
    return ::stat(QFile::encodeName(pfad).constData(), &andere) == 0 && andere.st_dev == datei.st_dev &&
           andere.st_ino == datei.st_ino;
}

bool BeginntAlsPdf(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) && datei.read(5) == "%PDF-";
}

} // namespace

void PruefeDruckdatei(const Listendokument& dokument, const QString& pdfDatei) {
    if (pdfDatei.isEmpty())
        throw Fehler(QStringLiteral("Es ist keine Druckdatei angegeben."));
    const QByteArray pfad = QFile::encodeName(pdfDatei);
    const QString einstellungen = dokument.Ordner().einstellungen;
    struct stat verweis {
    }, datei{};
    if (::lstat(pfad.constData(), &verweis) != 0) {
        if (QDir::cleanPath(QFileInfo(pdfDatei).absoluteFilePath()) == QDir::cleanPath(einstellungen))
            throw Fehler(QStringLiteral("Die Druckdatei \"%1\" wäre die Einstellungsdatei; es wurde nichts gedruckt.")
                             .arg(pdfDatei));
        return;
    }
    if (::stat(pfad.constData(), &datei) != 0 || !S_ISREG(datei.st_mode))
        throw Fehler(QStringLiteral("\"%1\" ist keine Datei; in einen Ordner, eine Pipe oder ein Gerät wird nicht "
                                    "gedruckt.")
                         .arg(pdfDatei));
    if (IstDieselbe(datei, dokument.Datei()))
        throw Fehler(
            QStringLiteral("Die Druckdatei \"%1\" ist die Liste selbst; sie wird nicht überschrieben.").arg(pdfDatei));
    if (IstDieselbe(datei, einstellungen))
        throw Fehler(QStringLiteral("Die Druckdatei \"%1\" ist die Einstellungsdatei; sie wird nicht überschrieben.")
                         .arg(pdfDatei));
    if (datei.st_size > 0 && !BeginntAlsPdf(pdfDatei))
        throw Fehler(
            QStringLiteral("Die Datei \"%1\" ist keine PDF-Datei; sie wird nicht überschrieben.").arg(pdfDatei));
}

QString GibAus(Listendokument& dokument, Ausgabeart art, const Listenschrift& schrift, int eintragsBreite,
               const QColor& grund, const std::function<void()>& vorDemPdf, bool nurGeaenderte) {
    if (dokument.Liste().Anzahl() == 0)
        return {};
    const Ausgabeziel ziel = ZielFuer(dokument.Ordner(), dokument.Name());
    const bool druck = IstDruckmodus(art);
    QString datei;
    dokument.ZeichneAusgabe(druck ? Ausgabezweck::Druckdatei : Ausgabezweck::Bild, druck && nurGeaenderte,
                            [&](const SenderListe& linien, Eintragsumgebung& umgebung) {
                                StelleNamenBereit(umgebung, dokument.Liste().Zeilen(), schrift.schrift);
                                const Kartenauftrag auftrag = AuftragFuerListe(linien, umgebung, dokument.Ordner(), art,
                                                                               schrift, eintragsBreite, grund);
                                datei = druck ? Drucke(auftrag, ziel, vorDemPdf) : SpeichereBild(auftrag, ziel);
                                return true;
                            });
    return datei;
}

bool DruckeBlaetter(Listendokument& dokument, QPagedPaintDevice& drucker, const Blattwahl& wahl,
                    const Listenschrift& schrift, int eintragsBreite, const QColor& grund,
                    const std::function<bool(int, int)>& weiter, bool nurGeaenderte, Ausgabezweck zweck) {
    const bool teil = nurGeaenderte && wahl.art != Ausgabeart::Grossdruck;
    return dokument.ZeichneAusgabe(
        ZweckDesDrucks(wahl, zweck), teil, [&](const SenderListe& linien, Eintragsumgebung& umgebung) {
            return ZeichneBlaetter(
                drucker, Direktauftrag(dokument, linien, umgebung, wahl, schrift, eintragsBreite, grund), wahl, weiter);
        });
}

void DruckeBlaetterInDatei(Listendokument& dokument, const QString& pdfDatei, const Blattwahl& wahl,
                           const Listenschrift& schrift, int eintragsBreite, const QColor& grund, bool nurGeaenderte) {
    PruefeDruckdatei(dokument, pdfDatei);
    RaeumeSchreibresteAuf(QFileInfo(pdfDatei).absolutePath());
    const bool teil = nurGeaenderte && wahl.art != Ausgabeart::Grossdruck;
    dokument.ZeichneAusgabe(ZweckDesDrucks(wahl, Ausgabezweck::Druckdatei), teil,
                            [&](const SenderListe& linien, Eintragsumgebung& umgebung) {
                                SchreibeBlattPdf(Direktauftrag(dokument, linien, umgebung, wahl, schrift,
                                                               eintragsBreite, grund),
                                                 wahl, pdfDatei);
                                return true;
                            });
}

} // namespace senvio
