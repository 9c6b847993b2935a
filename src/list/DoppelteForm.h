#pragma once

#include <QDialog>
#include <QImage>
#include <QList>
#include <QString>

class QTableWidget;

// "Doppelte Einträge entfernen...": every later copy of a station in one table, ticked,
// and below them, unticked under "Vielleicht gleich", the entries whose names are only
// alike; the ticked ones go together.
namespace senvio {

struct Kopiezeile {
    int nummer = 0; // the copy's entry number
    QString name;
    QImage logo;        // its 60 × 40 item logo
    int gleichWie = 0;  // the number of the first entry of the station
    bool sicher = true; // the same service or name; else only alike
};

class TDoppelteForm : public QDialog {
    Q_OBJECT
public:
    explicit TDoppelteForm(const QList<Kopiezeile>& kopien, QWidget* eltern = nullptr);
    // The ticked copies, as indices into the copies given, in their order.
    QList<int> Angekreuzt() const;
    // Ticks or unticks a copy given by its index.
    void SetzeKreuz(int kopie, bool an);

private:
    QTableWidget* Tabelle = nullptr;
    QList<int> m_zeileDer; // the table's row of each copy
};

} // namespace senvio
