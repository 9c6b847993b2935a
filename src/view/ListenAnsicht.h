#pragma once

#include "list/SenderListe.h"
#include "view/Eintrag.h"

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>

#include <functional>

// The list view: a QListView over a model that reads SenderListe directly, so row i
// is always line i, and a delegate that draws every row through the entry routine.
namespace senvio {

class ListenModell : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ListenModell(const SenderListe& liste, QObject* eltern = nullptr);
    int rowCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;

    // Replaces or empties the list as a whole; the views learn of it around the change.
    void Neuaufbau(const std::function<void()>& aenderung);
    // After lines changed in place (renumbering, an edited entry).
    void ZeilenGeaendert();

private:
    const SenderListe& m_liste;
};

class EintragDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    EintragDelegate(Eintragsumgebung& umgebung, QObject* eltern = nullptr);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    Eintragsumgebung& m_umgebung;
};

// The list box of the main window: rows of 41 pixels, drawn in the list font
// (the widget's font) and the list font's colour.
class ListenAnsicht : public QListView {
    Q_OBJECT
public:
    ListenAnsicht(const SenderListe& liste, Eintragsumgebung& umgebung, QWidget* eltern = nullptr);
    ListenModell& Modell() { return m_modell; }
    int AktuelleZeile() const;
    void WaehleZeile(int zeile);
    QColor Schriftfarbe() const;
    void SetzeSchriftfarbe(const QColor& farbe);

private:
    ListenModell m_modell;
    EintragDelegate m_delegate;
};

} // namespace senvio
