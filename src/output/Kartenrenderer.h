#pragma once

#include "list/SenderListe.h"
#include "output/Ausgabeart.h"
#include "output/Logovorbereitung.h"
#include "output/Rueckseite.h"
#include "view/Eintrag.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

// Renders the list page by page into sleeve cards: every entry is drawn by the list
// view's own entry routine into an off-screen bitmap, 15 entries make a card, the
// cards go to the temporary folder as BMP files and are read back to compose the page.
namespace senvio {

struct Kartenauftrag {
    const SenderListe* liste = nullptr;
    // Logo paths; its placeholder counter is drawn on, its logo store lent to the run.
    Eintragsumgebung* umgebung = nullptr;
    QFont schrift;            // the list font
    QColor textfarbe;         // the list font's colour
    QColor grund = Qt::white; // the list view's ground
    int eintragsBreite = 0;   // the list view's client width
    QString tempOrdner;       // no trailing "/"
    Ausgabeart art = Ausgabeart::Doppelhuellen;
    // Picture modes: receives each page picture, pages in ascending order.
    std::function<void(const QImage&)> schreibeBild;
    // Print modes, optional: told each page's number once its page file is written, pages
    // in ascending order (the print job starts the page's PDF picture then).
    std::function<void(int)> seiteGeschrieben;
    // The large print: the list's name for the header, each entry's short name for print
    // (index for index with the lines, empty: the name), the back side's lines.
    QString listenname;
    QStringList kurznamen;
    QList<Rueckseitenzeile> rueckseite;
};

// The existing logo files of positions von to bis (exclusive), resolved as the drawing
// will resolve them.
std::vector<Logoauftrag> Logoauftraege(const Kartenauftrag& auftrag, int von, int bis);

// "BildNr" k "_" p ".bmp" and "DINA4_" p ".bmp" in the temporary folder.
QString Kartendatei(const QString& tempOrdner, int karte, int seite);
QString Seitendatei(const QString& tempOrdner, int seite);

// Renders page `seite` (1 or more): writes its card files and, in the print modes,
// its page file; in the picture modes hands the page picture to schreibeBild.
// Throws DateiFehler for a file that cannot be written and Fehler("Bitmap ist
// ungültig") for a card file that cannot be read back.
void ErstelleDieBitmaps(const Kartenauftrag& auftrag, int seite);

// Renders pages 1 to ⌈n / 60⌉ as the calls of ErstelleDieBitmaps one after the other
// would, with the same files and errors; the logos of the coming pages are made on
// every core, and a page's files are written and the page composed on a thread of its
// own, while the next page's entries are drawn. schreibeBild and seiteGeschrieben are
// called on that thread. Nothing for an empty list.
void ErstelleAlleBitmaps(const Kartenauftrag& auftrag);

} // namespace senvio
