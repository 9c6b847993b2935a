#include "output/Seitenpdf.h"

#include "output/Blattaufteilung.h"
#include "output/Kartenbilder.h"
#include "output/Kartenrenderer.h"

#include "basis/Zwischendateien.h"

#include "pdf/Bildvorlauf.h"
#include "pdf/BmpDatei.h"
#include "pdf/Komprimierung.h"
#include "pdf/PdfFehler.h"
#include "pdf/TmachPDF.h"
#include "platform/Fehler.h"
#include "platform/Zeichensatz.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <new>
#include <optional>
#include <string>

namespace senvio {

namespace {

const QString Hersteller = QStringLiteral("den Senvio-Entwicklern");

// A path as the writer and the BMP reader take it: the file name's bytes.
std::string Dateiname(const QString& pfad) {
    return QFile::encodeName(pfad).toStdString();
}

// The page picture's top edge lies this many units below the page's, under the credit line.
constexpr double BildOben = 6;

// One A4 page: the page picture 6 units below the top edge, placed so that printed at actual
// size the middle of its cut lines stands 105 mm from the sheet's left edge and 148 mm from
// its top edge; across and down scale on their own, as a page picture's cards are not quite
// A6's shape. The credit line over each half of the page and a rule below them.
void ZeichneSeite(TmachPDF& pdf, const TmachPDF::VorbereitetesBild& bild, const std::string& kredit) {
    const double einheitenJeMm = 72 / 25.4 / pdf.PunkteJeEinheit;
    // The paper may be a little taller than the page units reach: the units start at its bottom.
    const double randOben = pdf.Blatthoehe / pdf.PunkteJeEinheit - pdf.PageHeight;
    const double quer = KarteBreiteMm * einheitenJeMm / (SchnittX + 0.5);
    const double hoch = (KarteHoeheMm * einheitenJeMm - randOben - BildOben) / (SchnittY + 0.5);
    pdf.DrawImage(0.0, BildOben, bild.Breite * quer, bild.Hoehe * hoch, bild);
    pdf.Font.Index = 1; // Helvetica-Bold
    pdf.Font.Size = 6;
    pdf.TextOut(4, 6, kredit);
    pdf.TextOut(pdf.PageWidth / 2 + 4, 6, kredit);
    pdf.LineWidth = 1;
    pdf.DrawLine(0, 7, pdf.PageWidth, 7);
}

void SchreibePdf(TmachPDF& pdf, const PdfAuftrag& auftrag) {
    pdf.TITLE = "Senvio-Liste 2.0";
    pdf.Compress = true;
    pdf.PageWidth = 794; // DIN A4 at 96 units per inch
    pdf.PageHeight = 1122;
    // On A4 paper in points, so that "actual size" prints the cards DIN A6.
    pdf.Blattbreite = 595;
    pdf.Blatthoehe = 842;
    pdf.PunkteJeEinheit = 0.75;
    pdf.FileName = Dateiname(auftrag.pdfDatei);
    pdf.BeginDoc();

    const std::string kredit = NachWindows1252(Kreditzeile(auftrag.listenName)).toStdString();
    const int seiten =
        auftrag.seiten >= 0 ? auftrag.seiten : ZaehleDateien(auftrag.tempOrdner, QStringLiteral("*.bmp"));
    // The pictures not given yet are read and compressed now, on every core, a few ahead.
    std::optional<Bildvorlauf> eigener;
    Bildvorlauf& bilder =
        auftrag.vorlauf ? *auftrag.vorlauf : eigener.emplace(pdf.Compress, Kerne(), std::size_t(Kerne()) + 1);
    for (int i = bilder.Anzahl() + 1; i <= seiten; ++i)
        bilder.Nimm(Seitenbildname(auftrag.tempOrdner, i));
    for (int i = 1; i <= seiten; ++i) {
        ZeichneSeite(pdf, bilder.Naechstes(), kredit);
        if (i < seiten) {
            pdf.NewPage();
        }
    }
    pdf.EndDoc();
}

// A run that ends early leaves no staged pictures in the working folder.
void RaeumeZwischendateienAuf() {
    for (int i = 1; std::remove(TmachPDF::Zwischendatei(i).c_str()) == 0; ++i) {
        VergissZwischendatei(TmachPDF::Zwischendatei(i));
    }
}

} // namespace

std::string Seitenbildname(const QString& tempOrdner, int seite) {
    return Dateiname(Seitendatei(tempOrdner, seite));
}

QString Kreditzeile(const QString& listenName) {
    return QStringLiteral("Erstellt mit dem Programm Senvio von ") + Hersteller +
           QStringLiteral(" - Name der Liste: ") + listenName;
}

int ZaehleDateien(const QString& ordner, const QString& muster) {
    int anzahl = 0;
    QDirIterator eintraege(ordner, QDir::Files | QDir::Hidden | QDir::System);
    while (eintraege.hasNext()) {
        const QString name = QFileInfo(eintraege.next()).fileName();
        const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
        // A name without a dot has no extension, and an empty one occurs nowhere.
        if (punkt >= 0 && muster.contains(name.mid(punkt).toLower()) &&
            name.toUpper().contains(QStringLiteral("DINA4_"))) {
            ++anzahl;
        }
    }
    return anzahl;
}

void ErstelleDiePDF(const PdfAuftrag& auftrag) {
    try {
        TmachPDF pdf;
        SchreibePdf(pdf, auftrag);
    } catch (const PdfDateiFehler& fehler) {
        RaeumeZwischendateienAuf();
        throw DateiFehler(fehler.art(), QString::fromStdString(fehler.pfad()));
    } catch (const BmpFehler& fehler) {
        RaeumeZwischendateienAuf();
        throw Fehler(QString::fromUtf8(fehler.what()));
    } catch (const pdf::KomprimierFehler& fehler) {
        RaeumeZwischendateienAuf();
        throw Fehler(QString::fromUtf8(fehler.what()));
    } catch (const std::bad_alloc&) {
        RaeumeZwischendateienAuf();
        throw Fehler(QStringLiteral("Zu wenig Arbeitsspeicher für die PDF-Datei"));
    } catch (...) {
        RaeumeZwischendateienAuf();
        throw;
    }
}

} // namespace senvio
