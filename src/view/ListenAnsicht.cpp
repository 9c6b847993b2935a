#include "view/ListenAnsicht.h"

#include "view/Listenschrift.h"

#include <QPainter>

namespace senvio {

ListenModell::ListenModell(const SenderListe& liste, QObject* eltern) : QAbstractListModel(eltern), m_liste(liste) {}

int ListenModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : int(m_liste.Anzahl());
}

QVariant ListenModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= m_liste.Anzahl())
        return {};
    if (rolle == Qt::DisplayRole)
        return m_liste.Zeile(index.row());
    return {};
}

void ListenModell::Neuaufbau(const std::function<void()>& aenderung) {
    beginResetModel();
    aenderung();
    endResetModel();
}

void ListenModell::ZeilenGeaendert() {
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
}

EintragDelegate::EintragDelegate(Eintragsumgebung& umgebung, QObject* eltern)
    : QStyledItemDelegate(eltern), m_umgebung(umgebung) {}

QSize EintragDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), ZeilenHoehe};
}

void EintragDelegate::paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const bool gewaehlt = option.state & QStyle::State_Selected;
    const QPalette& farben = option.palette;
    const QColor grund = farben.color(gewaehlt ? QPalette::Highlight : QPalette::Base);
    const QColor text = farben.color(gewaehlt ? QPalette::HighlightedText : QPalette::Text);
    ZeichneEintrag(*maler, option.rect, index.data().toString(), m_umgebung, option.font, grund, text);
}

ListenAnsicht::ListenAnsicht(const SenderListe& liste, Eintragsumgebung& umgebung, QWidget* eltern)
    : QListView(eltern), m_modell(liste), m_delegate(umgebung) {
    setModel(&m_modell);
    setItemDelegate(&m_delegate);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Reached by clicks and by code, never by the tab key.
    setFocusPolicy(Qt::ClickFocus);
    const Listenschrift standard = StandardListenschrift(palette().color(QPalette::Text));
    setFont(standard.schrift);
}

int ListenAnsicht::AktuelleZeile() const {
    const QModelIndexList gewaehlt = selectionModel()->selectedIndexes();
    return gewaehlt.isEmpty() ? -1 : gewaehlt.first().row();
}

void ListenAnsicht::WaehleZeile(int zeile) {
    if (zeile < 0 || zeile >= m_modell.rowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = m_modell.index(zeile);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

QColor ListenAnsicht::Schriftfarbe() const {
    return palette().color(QPalette::Text);
}

void ListenAnsicht::SetzeSchriftfarbe(const QColor& farbe) {
    QPalette farben = palette();
    farben.setColor(QPalette::Text, farbe);
    setPalette(farben);
}

} // namespace senvio
