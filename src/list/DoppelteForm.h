#pragma once

#include <QDialog>
#include <QImage>
#include <QList>
#include <QString>

class QTableWidget;

// "Doppelte Einträge entfernen...": every later copy of a station in one table, ticked;
// the ticked ones go together.
namespace senvio {

struct Kopiezeile {
    int nummer = 0; // the copy's entry number
    QString name;
    QImage logo;       // its 60 × 40 item logo
    int gleichWie = 0; // the number of the first entry of the station
};

class TDoppelteForm : public QDialog {
    Q_OBJECT
public:
    explicit TDoppelteForm(const QList<Kopiezeile>& kopien, QWidget* eltern = nullptr);
    // The ticked rows, as indices into the copies given.
    QList<int> Angekreuzt() const;
    void SetzeKreuz(int zeile, bool an);

private:
    QTableWidget* Tabelle = nullptr;
};

} // namespace senvio
