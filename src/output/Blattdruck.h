#pragma once

#include "output/Blattaufteilung.h"
#include "output/Kartenrenderer.h"

#include <QSizeF>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;

// Direct printing: the cards drawn straight onto a printer's or a PDF writer's A4 sheets,
// in millimetres from the paper's corner (full page, never relative to the printable
// area). Each card is exactly 105 × 148 mm, in the places, turns and cut lines of its
// layout's page picture; its content keeps the card picture's proportions, scaled to fit
// and centred, the names set as text and the logos made at the device's resolution.
namespace senvio {

struct Blattwahl {
    Ausgabeart art = Ausgabeart::Doppelhuellen; // a print mode
    int startKarte = 1;                         // 1–4: the places before it on the first sheet are used
    bool schnittlinien = true;
    bool rueckseite = false; // large print: the back side "So geht's" behind each card
};

// The sheets a list of n entries takes from start card on; 0 for an empty list.
int AnzahlBlaetter(int eintraege, int startKarte);

// The cut lines of the layout, dotted, across the whole sheet.
void ZeichneSchnittlinien(QPainter& maler, QSizeF pixelJeMm, Ausgabeart art);

// Sets the device to A4 upright without margins.
void RichteA4Ein(QPagedPaintDevice& geraet);

// Draws every sheet (the large print: see ZeichneGrossdruck). `weiter(blatt, blaetter)` is asked before each sheet
// (from 1); false ends the drawing there and is returned.
bool ZeichneBlaetter(QPagedPaintDevice& geraet, const Kartenauftrag& auftrag, const Blattwahl& wahl,
                     const std::function<bool(int, int)>& weiter = {});

// The sheets as a PDF file (text as text, logos at 300 dots per inch), written atomically.
// Throws DateiFehler when the file cannot be written.
void SchreibeBlattPdf(const Kartenauftrag& auftrag, const Blattwahl& wahl, const QString& datei);

} // namespace senvio
