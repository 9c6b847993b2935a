#include "view/Listenansicht.h"

#include "list/Umordnung.h"
#include "view/Listenbreite.h"
#include "view/Listenschrift.h"

#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <utility>

namespace senvio {

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
    // The row's logo from memory while it is drawn; the card renderer lends its own store.
    struct Geliehen {
        Eintragsumgebung& umgebung;
        Logovorrat vorher;
        ~Geliehen() { umgebung.vorrat = std::move(vorher); }
    } geliehen{m_umgebung, std::exchange(m_umgebung.vorrat, [this](const QString& d) { return m_logos.Hole(d); })};
    // The names are shortened with the whole list in view, so that no two look alike.
    if (const auto* modell = qobject_cast<const Listenmodell*>(index.model()))
        StelleNamenBereit(m_umgebung, modell->Liste().Zeilen(), option.font);
    ZeichneEintrag(*maler, option.rect, index.data().toString(), m_umgebung, option.font, grund, text);
}

Listenansicht::Listenansicht(QAbstractItemModel& modell, Eintragsumgebung& umgebung, QWidget* eltern)
    : QListView(eltern), m_delegate(umgebung) {
    setModel(&modell);
    connect(&modell, &QAbstractItemModel::modelReset, this, [this] { m_delegate.VergissLogos(); });
    setItemDelegate(&m_delegate);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Reached by clicks and by code, never by the tab key.
    setFocusPolicy(Qt::ClickFocus);
    // Entries are dragged onto other entries; the edge scrolling is our own.
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setAutoScroll(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    // The list looks as it is printed, whatever the desktop's theme: white ground and
    // black text; the selected row keeps the desktop's highlight colours.
    QPalette farben = palette();
    for (const QPalette::ColorGroup gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        farben.setColor(gruppe, QPalette::Base, Listengrund);
        farben.setColor(gruppe, QPalette::Text, Listentext);
    }
    setPalette(farben);
    const Listenschrift standard = StandardListenschrift(palette().color(QPalette::Text));
    setFont(standard.schrift);
}

void Listenansicht::paintEvent(QPaintEvent* ereignis) {
    QListView::paintEvent(ereignis);
    if (model()->rowCount() > 0)
        return;
    QPainter maler(viewport());
    maler.setPen(QColor(128, 128, 128));
    const QRect flaeche = viewport()->rect().adjusted(24, 0, -24, 0);
    QFont hinweis = parentWidget() ? parentWidget()->font() : QFont();
    hinweis.setPointSize(12);
    hinweis.setBold(true);
    QFont anleitung = hinweis;
    anleitung.setPointSize(10);
    anleitung.setBold(false);
    const int fluss = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const QRect oben = QFontMetrics(hinweis).boundingRect(flaeche, fluss, LeerHinweis);
    const QRect unten = QFontMetrics(anleitung).boundingRect(flaeche, fluss, LeerAnleitung);
    const int abstand = 12;
    int y = flaeche.center().y() - (oben.height() + abstand + unten.height()) / 2;
    maler.setFont(hinweis);
    maler.drawText(QRect(flaeche.left(), y, flaeche.width(), oben.height()), fluss, LeerHinweis);
    y += oben.height() + abstand;
    maler.setFont(anleitung);
    maler.drawText(QRect(flaeche.left(), y, flaeche.width(), unten.height()), fluss, LeerAnleitung);
}

void Listenansicht::SetzeStandardgroesse() {
    resize(Standardgroesse(frameWidth()));
}

void Listenansicht::SetzeGroesse(QSize mehr) {
    resize(Standardgroesse(frameWidth(), mehr));
}

int Listenansicht::Standardbreite() const {
    if (size() == Standardgroesse(frameWidth()))
        return viewport()->width();
    const int leiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
    return Listenbreite(model()->rowCount(), {frameWidth(), leiste});
}

int Listenansicht::AktuelleZeile() const {
    const QModelIndexList gewaehlt = selectionModel()->selectedIndexes();
    return gewaehlt.isEmpty() ? -1 : gewaehlt.first().row();
}

void Listenansicht::WaehleZeile(int zeile) {
    if (zeile < 0 || zeile >= model()->rowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = model()->index(zeile, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

QColor Listenansicht::Schriftfarbe() const {
    return palette().color(QPalette::Text);
}

void Listenansicht::SetzeSchriftfarbe(const QColor& farbe) {
    QPalette farben = palette();
    farben.setColor(QPalette::Text, farbe);
    setPalette(farben);
}

void Listenansicht::dataChanged(const QModelIndex& oben, const QModelIndex& unten, const QList<int>& rollen) {
    QListView::dataChanged(oben, unten, rollen);
    // Every drawn entry sets the placeholder counter: all visible rows are drawn again, so
    // that the counter ends where a whole repaint leaves it, one changed row or many.
    viewport()->update();
}

void Listenansicht::keyPressEvent(QKeyEvent* ereignis) {
    const bool hoch = ereignis->key() == Qt::Key_Up;
    if (!(hoch || ereignis->key() == Qt::Key_Down) || !(ereignis->modifiers() & Qt::ControlModifier)) {
        QListView::keyPressEvent(ereignis);
        return;
    }
    const int aktuell = AktuelleZeile();
    if (const std::optional<int> ziel = TastenZiel(aktuell, model()->rowCount(), hoch)) {
        emit VerschiebenGewuenscht(aktuell, *ziel);
        return;
    }
    // Nothing to move: the key acts as the plain arrow key.
    QKeyEvent pfeil(QEvent::KeyPress, ereignis->key(), Qt::NoModifier);
    QListView::keyPressEvent(&pfeil);
}

void Listenansicht::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::RightButton) {
        QListView::mousePressEvent(ereignis);
        return;
    }
    ereignis->accept();
    emit KontextmenueGewuenscht(ereignis->globalPosition().toPoint());
}

void Listenansicht::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::RightButton)
        ereignis->accept();
    else
        QListView::mouseReleaseEvent(ereignis);
}

void Listenansicht::startDrag(Qt::DropActions) {
    const int zeile = AktuelleZeile();
    if (zeile < 0)
        return;
    auto* daten = new QMimeData;
    daten->setData(EintragsFormat, QByteArray::number(zeile));
    auto* zug = new QDrag(this);
    zug->setMimeData(daten);
    // The drop moves the entry itself; the result of the drag changes nothing here.
    zug->exec(Qt::MoveAction);
}

int Listenansicht::Ablagezeile(const QDropEvent& ereignis) const {
    if (!ereignis.mimeData() || !ereignis.mimeData()->hasFormat(EintragsFormat))
        return -1;
    return indexAt(ereignis.position().toPoint()).row();
}

void Listenansicht::dragEnterEvent(QDragEnterEvent* ereignis) {
    if (ereignis->mimeData() && ereignis->mimeData()->hasFormat(EintragsFormat))
        ereignis->acceptProposedAction();
    else
        ereignis->ignore();
}

void Listenansicht::dragMoveEvent(QDragMoveEvent* ereignis) {
    if (Ablagezeile(*ereignis) >= 0)
        ereignis->acceptProposedAction();
    else
        ereignis->ignore();
    const int y = ereignis->position().toPoint().y();
    if (y < Randzone)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (viewport()->height() - y < Randzone)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

void Listenansicht::dropEvent(QDropEvent* ereignis) {
    const int nach = Ablagezeile(*ereignis);
    const int von = AktuelleZeile();
    if (nach < 0 || von < 0) {
        ereignis->ignore();
        return;
    }
    ereignis->setDropAction(Qt::MoveAction);
    ereignis->accept();
    emit VerschiebenGewuenscht(von, nach);
}

} // namespace senvio
