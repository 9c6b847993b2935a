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
// the card to begin with on a partly used sheet, and whether the cut lines are printed.
namespace senvio {

class TDruckwahlForm : public QDialog {
    Q_OBJECT
public:
    // `rueckseiteBearbeiten` is what the button "Rückseite..." does.
    TDruckwahlForm(const Blattwahl& start, QWidget* eltern, std::function<void()> rueckseiteBearbeiten = {});
    Blattwahl Wahl() const;

private:
    QRadioButton* m_art[4];
    QCheckBox* m_rueckseite;
    QSpinBox* m_startKarte;
    QCheckBox* m_schnittlinien;
};

// A4 upright, full page, no margins: the cards are placed from the paper's corner.
void RichteDruckerEin(QPrinter& drucker);

} // namespace senvio
