#include "view/Listenmodell.h"

#include "list/Listendatei.h"
#include "list/Nummerierung.h"

#include <algorithm>

namespace senvio {

Listenmodell::Listenmodell(SenderListe liste, QObject* eltern)
    : QAbstractListModel(eltern), m_liste(std::move(liste)) {}

int Listenmodell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : int(m_liste.Anzahl());
}

QVariant Listenmodell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= m_liste.Anzahl() || rolle != Qt::DisplayRole)
        return {};
    return m_liste.Zeile(index.row());
}

Qt::ItemFlags Listenmodell::flags(const QModelIndex& index) const {
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsDragEnabled : Qt::NoItemFlags);
}

void Listenmodell::Ersetze(int zeile, const QString& neu) {
    m_liste.Ersetze(zeile, neu);
    emit dataChanged(index(zeile), index(zeile));
}

void Listenmodell::HaengeAn(const QString& zeile) {
    beginInsertRows({}, rowCount(), rowCount());
    m_liste.HaengeAn(zeile);
    endInsertRows();
}

void Listenmodell::Loesche(int zeile) {
    beginRemoveRows({}, zeile, zeile);
    m_liste.Loesche(zeile);
    endRemoveRows();
}

void Listenmodell::Verschiebe(int von, int nach) {
    // Qt counts the destination before the move: downwards it is one past the target.
    if (von == nach || !beginMoveRows({}, von, von, {}, nach > von ? nach + 1 : nach)) {
        m_liste.Verschiebe(von, nach);
        return;
    }
    m_liste.Verschiebe(von, nach);
    endMoveRows();
}

void Listenmodell::SetzeAlle(SenderListe liste) {
    beginResetModel();
    m_liste = std::move(liste);
    endResetModel();
}

void Listenmodell::Leere() {
    beginResetModel();
    m_liste.Leere();
    endResetModel();
}

Listenmodell::Wechsel Listenmodell::SchreibeUm(const std::function<void(SenderListe&)>& aenderung) {
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

void Listenmodell::NummeriereNeu() {
    SchreibeUm([](SenderListe& liste) { KorrigiereDieNummern(liste); });
}

void Listenmodell::Speichere(const std::function<bool(const SenderListe&)>& schreibe) {
    m_liste.SetzeUnicode(schreibe(m_liste));
}

} // namespace senvio
