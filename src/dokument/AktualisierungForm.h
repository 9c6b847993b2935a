#pragma once

#include "dokument/Aktualisierung.h"
#include "view/Eintrag.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace senvio {

// The review of "Liste aktualisieren": every station of the list and the scan in five
// sections with their counts, each row with its old and new number, its name and its logo,
// and the choices of order, new and missing channels, which lay the list out anew at once.
class TAktualisierungForm : public QDialog {
    Q_OBJECT
public:
    // `umgebung` draws the logos (a copy: the list's placeholder counter stays); a non-empty
    // `hinweis` says why the list's knowledge of its sources was not used.
    TAktualisierungForm(Abgleich abgleich, Eintragsumgebung umgebung, const QString& hinweis,
                        QWidget* eltern = nullptr);

    // The matching with the rows' ticks, and the choices, as the user left them.
    const Abgleich& Ergebnis() const { return m_abgleich; }
    Aktualisierungswahl Wahl() const;

private:
    void BaueZeilen();
    // The plan under the current choices: numbers, sections and counts.
    void ZeigePlan();
    void ZeileGeaendert(QTreeWidgetItem* zeile, int spalte);

    Abgleich m_abgleich;
    Eintragsumgebung m_umgebung;
    QTreeWidget* Abgleichbaum = nullptr;
    QButtonGroup* m_reihenfolge = nullptr;
    QButtonGroup* m_neue = nullptr;
    QButtonGroup* m_fehlende = nullptr;
    QTreeWidgetItem* m_abschnitte[Abgleicharten] = {};
    QList<QTreeWidgetItem*> m_zeilen; // index for index with Abgleich::sender
    bool m_aufgeklappt = false;
    bool m_zeigt = false; // the rows are being filled in: their changes are not the user's
};

} // namespace senvio
