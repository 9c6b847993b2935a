// Times the start of the main window on a list of 10,000 entries with logos, to the
// end of its first paint, and the drawing of one row through the entry routine three
// ways: with the list view's logos in memory, from the logo cache on disk, and with
// every logo decoded (the cache off); then the choice of the shortened names of a list
// of as many entries, every third too long for its row, as the first paint after a change
// makes it. Runs on Qt's offscreen platform unless another is set. Prints figures only.
//
//   fenster-bench [Anzahl Einträge] [Anzahl Zeilenmessungen]
//   SENVIO_BILD=fenster.png also saves a picture of the window after its first paint.

#include "Kindlauf.h"
#include "app/Fehlerbehandlung.h"
#include "app/Programm.h"
#include "list/Zeilenformat.h"
#include "platform/Dialoge.h"
#include "view/Eintrag.h"
#include "view/Listenansicht.h"
#include "view/Logospeicher.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace senvio;
using Uhr = std::chrono::steady_clock;

double Millisekunden(Uhr::time_point von, Uhr::time_point bis) {
    return std::chrono::duration<double, std::milli>(bis - von).count();
}

// Twenty logos as they come from the library: several sizes, some with transparency.
QStringList LegeLogosAn(const QString& ordner) {
    QStringList namen;
    for (int i = 0; i < 20; ++i) {
        const QSize groesse = i % 3 == 0 ? QSize(400, 200) : i % 3 == 1 ? QSize(256, 256) : QSize(800, 300);
        QImage bild(groesse, i % 2 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        bild.fill(i % 2 ? Qt::transparent : Qt::white);
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setBrush(QColor::fromHsv(i * 18, 200, 220));
        maler.drawRoundedRect(bild.rect().adjusted(8, 8, -8, -8), 30, 30);
        maler.setFont(QFont(QStringLiteral("DejaVu Sans"), groesse.height() / 5, QFont::Bold));
        maler.drawText(bild.rect(), Qt::AlignCenter, QStringLiteral("Kanal %1").arg(i + 1));
        maler.end();
        namen << QStringLiteral("kanal%1.png").arg(i + 1);
        bild.save(ordner + namen.last());
    }
    return namen;
}

QStringList BaueListe(int anzahl, const QStringList& logos) {
    QStringList zeilen;
    zeilen.reserve(anzahl);
    for (int i = 0; i < anzahl; ++i) {
        const QString logo =
            i % 7 == 6 ? Platzhalterpfad(1 + i % 4)
                       : QStringLiteral("ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\") + logos[i % logos.size()];
        zeilen << BaueZeile(Praefix(i + 1), QStringLiteral("Sender Nummer %1").arg(i + 1), logo);
    }
    return zeilen;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int anzahl = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int messungen = argc > 2 ? std::atoi(argv[2]) : 2000;
    SenvioAnwendung anwendung(argc, argv);
    Dialoge::SetzeSkriptbetrieb(true);

    QTemporaryDir tmp;
    const QString ordner = tmp.path() + QStringLiteral("/");
    qputenv("XDG_CACHE_HOME", (ordner + QStringLiteral("cache")).toUtf8());
    QDir().mkpath(ordner + QStringLiteral("Senvio-Listen/Sender-Logos"));
    const QStringList logos = LegeLogosAn(ordner + QStringLiteral("Senvio-Listen/Sender-Logos/"));
    const QStringList zeilen = BaueListe(anzahl, logos);
    QFile datei(ordner + QStringLiteral("Senvio-Listen/Bench.lis"));
    datei.open(QIODevice::WriteOnly);
    datei.write(zeilen.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
    datei.close();
    QFile ini(ordner + QStringLiteral("senvio.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write("[Einstellung]\r\nListenName=Bench\r\n");
    ini.close();

    // Start: the six windows, the first paint with the list loaded and renumbered, and
    // the window drawn once whole.
    const auto start = Uhr::now();
    auto programm = std::make_unique<Programm>(ProgrammOrdner(ordner));
    TMainForm& haupt = programm->Haupt();
    haupt.show();
    while (haupt.ErsteAnzeige())
        QCoreApplication::processEvents();
    haupt.repaint();
    const double ersteAnzeige = Millisekunden(start, Uhr::now());
    // For looking at the window by eye: SENVIO_BILD=fenster.png fenster-bench
    if (const QString bild = qEnvironmentVariable("SENVIO_BILD"); !bild.isEmpty())
        haupt.grab().save(bild);
    const qsizetype geladen = haupt.Liste().Anzahl();

    // One row, drawn as the list view draws it, over many different rows.
    QImage zeile(478, ZeilenHoehe, QImage::Format_RGB32);
    QPainter maler(&zeile);
    const QFont schrift = haupt.findChild<QWidget*>(QStringLiteral("Listbox1"))->font();
    Logospeicher speicher;
    const auto miss = [&](Logovorrat vorrat) {
        Eintragsumgebung umgebung{ordner, 0, std::move(vorrat)};
        std::vector<double> zeiten;
        for (int i = 0; i < messungen; ++i) {
            const auto von = Uhr::now();
            ZeichneEintrag(maler, zeile.rect(), haupt.Liste().Zeile((i * 37) % geladen), umgebung, schrift, Qt::white,
                           Qt::black);
            zeiten.push_back(Millisekunden(von, Uhr::now()));
        }
        return zeiten;
    };
    miss([&](const QString& d) { return speicher.Hole(d); }); // fills memory and cache
    const std::vector<double> zeiten = miss([&](const QString& d) { return speicher.Hole(d); });
    const std::vector<double> ausDemZwischenspeicher = miss({});
    SchalteZwischenspeicherAus();
    const std::vector<double> dekodiert = miss({});
    maler.end();

    QStringList lang;
    for (int i = 0; i < anzahl; ++i)
        lang << BaueZeile(Praefix(i + 1),
                          i % 3 ? QStringLiteral("Sender Nummer %1").arg(i + 1)
                                : QStringLiteral("Regionalfernsehen Mecklenburg-Vorpommern %1 HD (Event)").arg(i % 97),
                          Platzhalterpfad(1));
    std::vector<double> namenswahl, nachAenderung;
    for (int i = 0; i < 5; ++i) {
        auto von = Uhr::now();
        const Namenswahl wahl(lang, schrift, Kopfbreite);
        namenswahl.push_back(Millisekunden(von, Uhr::now()));
        // One entry renamed: the choice is made again, with what the one before fitted.
        lang[i] = BaueZeile(Praefix(i + 1), QStringLiteral("Umbenannt %1").arg(i), Platzhalterpfad(1));
        von = Uhr::now();
        const Namenswahl danach(lang, schrift, Kopfbreite, &wahl);
        nachAenderung.push_back(Millisekunden(von, Uhr::now()));
    }

    std::printf("Einträge geladen:              %lld\n", static_cast<long long>(geladen));
    std::printf("Start bis Ende der ersten Anzeige: %.1f ms (Ziel: höchstens 500 ms)\n", ersteAnzeige);
    std::printf("Eine Zeile zeichnen, Logo im Speicher (Median aus %d): %.3f ms (Ziel: höchstens 0,1 ms)\n", messungen,
                Median(zeiten));
    std::printf("Eine Zeile zeichnen, Logo im Speicher (langsamste):  %.3f ms\n",
                *std::max_element(zeiten.begin(), zeiten.end()));
    std::printf("Eine Zeile zeichnen, Logo aus dem Zwischenspeicher:  %.3f ms\n", Median(ausDemZwischenspeicher));
    std::printf("Eine Zeile zeichnen, Logo dekodiert:                 %.3f ms\n", Median(dekodiert));
    std::printf("Namen der Liste einpassen, jeder dritte zu lang (Median aus 5): %.1f ms\n", Median(namenswahl));
    std::printf("Dieselben nach Umbenennen eines Eintrags (Median aus 5):        %.1f ms\n", Median(nachAenderung));
    programm.reset();
    return 0;
}
