#pragma once

#include "output/Blattdruck.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QPrinter;
class QRadioButton;
class QSpinBox;

// What "Datei" › "Drucken..." and "Druckvorschau..." ask before the system's print
// dialog: the layout (those of the "Drucken" menu, or the large print with its back side),
// the card to begin with on a partly used sheet, whether the cut lines are printed, and
// while the cards an update changed wait to be printed, whether only those are.
namespace senvio {

class TDruckwahlForm : public QDialog {
    Q_OBJECT
public:
    // `geaenderteKarten`: the cards waiting to be printed (numbered from 1); none, no tick box.
    // `rueckseiteBearbeiten` is what the button "Rückseite..." does.
    TDruckwahlForm(const Blattwahl& start, QWidget* eltern, const QList<int>& geaenderteKarten = {},
                   std::function<void()> rueckseiteBearbeiten = {});
    Blattwahl Wahl() const;
    // Ticked "Nur geänderte Karten drucken"; false when it is not offered.
    bool NurGeaenderte() const;
    // Offered and unticked: the user no longer wants those cards apart.
    bool NurGeaenderteAbgewaehlt() const;

private:
    QRadioButton* m_art[4];
    QCheckBox* m_rueckseite;
    QSpinBox* m_startKarte;
    QCheckBox* m_schnittlinien;
    QCheckBox* m_nurGeaenderte = nullptr;
};

// A4 upright, full page, no margins: the cards are placed from the paper's corner.
void RichteDruckerEin(QPrinter& drucker);

} // namespace senvio
