#pragma once

#include "logos/Logoanhang.h"
#include "logos/Logozuordnung.h"
#include "nebenlauf/GeordneteArbeit.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPixmap;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace senvio {

// The review of the automatic logos: a row per proposal with the entry, its picture
// today, the proposed tile, its group and why it was found. Logos found without doubt
// are ticked, proposals not; a click on a proposal ticks it (one per entry). A long review
// is shown by reason, and the rows shown can be unticked at once. The tiles load in the
// background while the dialog is open. A note names the logo files the matching passed
// over as broken.
class TLogozuordnungForm : public QDialog {
    Q_OBJECT
public:
    // The stock must outlive the dialog.
    TLogozuordnungForm(const Logobestand& bestand, QList<Pruefeintrag> eintraege, QWidget* eltern = nullptr);

    // The ticked logos of the rows shown, in list order.
    QList<Logozuweisung> Gewaehlt() const;
    // Ticks or unticks the proposal of a row, as a click does.
    void Waehle(int zeile, bool an);
    // "Alle sichtbaren abwählen": the rows the filter shows lose their ticks.
    void WaehleSichtbareAb();
    bool KachelnGeladen() const { return m_offen == 0; }

private:
    QTableWidget* Tabelle = nullptr;
    QLabel* Summe = nullptr;
    QLabel* Hinweise = nullptr;
    QCheckBox* Ersetzen = nullptr;
    QComboBox* Grundwahl = nullptr;
    QPushButton* Abwaehlen = nullptr;
    QProgressBar* Fortschritt = nullptr;
    QPushButton* Uebernehmen = nullptr;
    QPushButton* Abbrechen = nullptr;
    struct Zeile {
        int eintrag; // index into m_eintraege
        int datei;   // index into the stock
        Logogrund grund;
    };
    void BaueTabelleAuf();
    // The row may be taken: its entry has no logo, or logos are to be replaced.
    bool Zugelassen(int zeile) const;
    void ZeigeAuswahl();
    void ZeigeSumme();
    void LadeBilder();
    void SetzeKachel(int datei, const QImage& kachellogo);
    void SetzeBisher(int eintrag, const QImage& bild);
    // A picture loaded: shown in the column of the rows it is for, the progress advanced.
    void ZeigeBild(int spalte, const QPixmap& bild, const std::function<bool(const Zeile&)>& fuer);

    const Logobestand& m_bestand;
    QList<Pruefeintrag> m_eintraege;
    QList<Zeile> m_zeilen;
    int m_offen = 0; // pictures still loading
    // Last: closing the dialog stops the loading first, after the pictures in hand.
    std::unique_ptr<GeordneteArbeit<QImage>> m_lader;
};

} // namespace senvio
