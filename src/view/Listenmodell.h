#pragma once

#include "list/SenderListe.h"

#include <QAbstractListModel>

#include <functional>

namespace senvio {

// The open list and the one way to change its lines: every change goes through here and
// the views learn of exactly the rows it touched, so row i is always line i. Readers get
// the list const; code that works on a SenderListe of its own runs through SchreibeUm.
class Listenmodell : public QAbstractListModel {
    Q_OBJECT
public:
    explicit Listenmodell(SenderListe liste = {}, QObject* eltern = nullptr);
    const SenderListe& Liste() const { return m_liste; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void Ersetze(int zeile, const QString& neu);
    void HaengeAn(const QString& zeile);
    void Loesche(int zeile);
    // Takes line "von" out and puts it in at index "nach" of the shortened list.
    void Verschiebe(int von, int nach);
    // A list of its own (opened, or new and empty): the views start afresh.
    void SetzeAlle(SenderListe liste);
    // Empties the list; the Unicode flag stays, so a new list is written as the old one was.
    void Leere();
    // Runs a change on a copy of the list and takes the result; the views learn of the
    // stretch between the longest unchanged start and end as changed, inserted or removed
    // rows. Returns that stretch: from row `ab`, `weg` rows became `hin` rows.
    struct Wechsel {
        int ab = 0;
        int weg = 0;
        int hin = 0;
    };
    Wechsel SchreibeUm(const std::function<void(SenderListe&)>& aenderung);
    // The lines renumbered by KorrigiereDieNummern; only the rows whose prefix changed are touched.
    void NummeriereNeu();
    // Writes the list through `schreibe`, which answers whether it wrote UTF-16: a save that
    // worked sets the list's Unicode flag so (as SchreibeListendatei does).
    void Speichere(const std::function<bool(const SenderListe&)>& schreibe);

private:
    SenderListe m_liste;
};

} // namespace senvio
