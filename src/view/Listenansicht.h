#pragma once

#include "view/Eintrag.h"
#include "view/Listenmodell.h"
#include "view/Logospeicher.h"

#include <QListView>
#include <QStyledItemDelegate>

// The list view: a QListView over the list's model, and a delegate that draws every row
// through the entry routine.
namespace senvio {

class EintragDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    EintragDelegate(Eintragsumgebung& umgebung, QObject* eltern = nullptr);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Another list: its logos are others.
    void VergissLogos() { m_logos.Leere(); }

private:
    Eintragsumgebung& m_umgebung;
    mutable Logospeicher m_logos;
};

// The list box of the main window: rows of 41 pixels, drawn in the list font
// (the widget's font) and the list font's colour on white, whatever the desktop's
// theme. Moving entries and the context menu are asked for by signals; the main
// window does them.
class Listenansicht : public QListView {
    Q_OBJECT
public:
    Listenansicht(QAbstractItemModel& modell, Eintragsumgebung& umgebung, QWidget* eltern = nullptr);
    int AktuelleZeile() const;
    void WaehleZeile(int zeile);
    QColor Schriftfarbe() const;
    void SetzeSchriftfarbe(const QColor& farbe);
    // The main window's size: 478 wide and as high as whole rows fill 499 pixels. The
    // client width that follows is the width of every entry on the cards, too.
    void SetzeStandardgroesse();
    // Larger by the room a larger window gives; the rows stay whole.
    void SetzeGroesse(QSize mehr);
    // The client width the view has at its standard size with the rows it holds: the
    // width of every entry on the cards, however large the window is.
    int Standardbreite() const;

    // Within this many pixels of the top or bottom edge a drag scrolls by one row.
    static constexpr int Randzone = 15;
    // What a drag of an entry carries; only our own list makes it.
    static inline const QString EintragsFormat = QStringLiteral("application/x-senvio-eintrag");
    static inline const QString LeerHinweis = QStringLiteral("Noch keine Sender in der Liste.");
    static inline const QString LeerAnleitung = QStringLiteral(
        "Datei › Senderliste importieren... holt die Sender vom Receiver, aus einer Wiedergabeliste oder einer "
        "channels.conf. Einzelne Sender: Bearbeiten › Neuer Texteintrag einfügen.");

signals:
    // Ctrl+Up/Down or a drop: the entry at "von" is to end at "nach".
    void VerschiebenGewuenscht(int von, int nach);
    // The right button at this screen position; the selection stays as it was.
    void KontextmenueGewuenscht(const QPoint& global);

protected:
    void dataChanged(const QModelIndex& oben, const QModelIndex& unten, const QList<int>& rollen = {}) override;
    // An empty list says how entries get into it; only here, never on cards or pictures.
    void paintEvent(QPaintEvent* ereignis) override;
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

    EintragDelegate m_delegate;
};

} // namespace senvio
