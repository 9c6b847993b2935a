#include "view/ListenModell.h"

#include "list/ListenDatei.h"
#include "list/Nummerierung.h"

#include <algorithm>

namespace senvio {

ListenModell::ListenModell(SenderListe liste, QObject* eltern)
    : QAbstractListModel(eltern), m_liste(std::move(liste)) {}

int ListenModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : int(m_liste.Anzahl());
}

QVariant ListenModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= m_liste.Anzahl() || rolle != Qt::DisplayRole)
        return {};
    return m_liste.Zeile(index.row());
}

Qt::ItemFlags ListenModell::flags(const QModelIndex& index) const {
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsDragEnabled : Qt::NoItemFlags);
}

void ListenModell::Ersetze(int zeile, const QString& neu) {
    m_liste.Ersetze(zeile, neu);
    emit dataChanged(index(zeile), index(zeile));
}

void ListenModell::HaengeAn(const QString& zeile) {
    beginInsertRows({}, rowCount(), rowCount());
    m_liste.HaengeAn(zeile);
    endInsertRows();
}

void ListenModell::Loesche(int zeile) {
    beginRemoveRows({}, zeile, zeile);
    m_liste.Loesche(zeile);
    endRemoveRows();
}

void ListenModell::Verschiebe(int von, int nach) {
    // Qt counts the destination before the move: downwards it is one past the target.
    if (von == nach || !beginMoveRows({}, von, von, {}, nach > von ? nach + 1 : nach)) {
        m_liste.Verschiebe(von, nach);
        return;
    }
    m_liste.Verschiebe(von, nach);
    endMoveRows();
}

void ListenModell::SetzeAlle(SenderListe liste) {
    beginResetModel();
    m_liste = std::move(liste);
    endResetModel();
}

void ListenModell::Leere() {
    beginResetModel();
    m_liste.Leere();
    endResetModel();
}

ListenModell::Wechsel ListenModell::Aendere(const std::function<void(SenderListe&)>& aenderung) {
    SenderListe neu = m_liste;
    aenderung(neu);
    const QStringList& alt = m_liste.Zeilen();
    const QStringList& zeilen = neu.Zeilen();
    const qsizetype kuerzer = std::min(alt.size(), zeilen.size());
    qsizetype anfang = 0;
    while (anfang < kuerzer && alt[anfang] == zeilen[anfang])
        ++anfang;
    qsizetype ende = 0; // equal lines at the end, not reaching into the equal start
    while (ende < kuerzer - anfang && alt[alt.size() - 1 - ende] == zeilen[zeilen.size() - 1 - ende])
        ++ende;
    const int weg = int(alt.size() - anfang - ende);
    const int hin = int(zeilen.size() - anfang - ende);
    const int ab = int(anfang);
    if (hin > weg) {
        beginInsertRows({}, ab + weg, ab + hin - 1);
        m_liste = std::move(neu);
        endInsertRows();
    } else if (weg > hin) {
        beginRemoveRows({}, ab + hin, ab + weg - 1);
        m_liste = std::move(neu);
        endRemoveRows();
    } else {
        m_liste = std::move(neu);
    }
    if (const int geaendert = std::min(weg, hin); geaendert > 0)
        emit dataChanged(index(ab), index(ab + geaendert - 1));
    return {ab, weg, hin};
}

void ListenModell::NummeriereNeu() {
    Aendere([](SenderListe& liste) { KorrigiereDieNummern(liste); });
}

void ListenModell::Speichere(const QString& pfad) {
    SchreibeListendatei(pfad, m_liste);
}

} // namespace senvio
