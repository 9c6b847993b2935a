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
    // One line appended, removed or moved by the change; the views keep their place.
    void ZeileAngehaengt(const std::function<void()>& aenderung);
    void ZeileEntfernt(int zeile, const std::function<void()>& aenderung);
    void ZeileVerschoben(int von, int nach, const std::function<void()>& aenderung);
    Qt::ItemFlags flags(const QModelIndex& index) const override;

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
// (the widget's font) and the list font's colour on white, whatever the desktop's
// theme. Moving entries and the context menu are asked for by signals; the main
// window does them.
class ListenAnsicht : public QListView {
    Q_OBJECT
public:
    ListenAnsicht(const SenderListe& liste, Eintragsumgebung& umgebung, QWidget* eltern = nullptr);
    ListenModell& Modell() { return m_modell; }
    int AktuelleZeile() const;
    void WaehleZeile(int zeile);
    QColor Schriftfarbe() const;
    void SetzeSchriftfarbe(const QColor& farbe);
    // The main window's size: 478 wide and as high as whole rows fill 499 pixels. The
    // client width that follows is the width of every entry on the cards, too.
    void SetzeStandardgroesse();

    // Within this many pixels of the top or bottom edge a drag scrolls by one row.
    static constexpr int Randzone = 15;
    // What a drag of an entry carries; only our own list makes it.
    static inline const QString EintragsFormat = QStringLiteral("application/x-senvio-eintrag");

signals:
    // Ctrl+Up/Down or a drop: the entry at "von" is to end at "nach".
    void VerschiebenGewuenscht(int von, int nach);
    // The right button at this screen position; the selection stays as it was.
    void KontextmenueGewuenscht(const QPoint& global);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void startDrag(Qt::DropActions aktionen) override;
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dragMoveEvent(QDragMoveEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;

private:
    // The row a drop at this point lands on, or -1 (no drag of ours, or below the last row).
    int Ablagezeile(const QDropEvent& ereignis) const;

    ListenModell m_modell;
    EintragDelegate m_delegate;
};

} // namespace senvio
