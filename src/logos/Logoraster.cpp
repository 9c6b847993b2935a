#include "logos/Logoraster.h"

#include "logos/Kachelgeometrie.h"

#include <QMouseEvent>
#include <QPainter>

namespace senvio {

Logokachel::Logokachel(int tag, const QImage& bild, QWidget* eltern) : QWidget(eltern), m_tag(tag), m_bild(bild) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(KachelGroesse, KachelGroesse);
}

void Logokachel::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, m_bild);
}

void Logokachel::mousePressEvent(QMouseEvent* ereignis) {
    emit MausGedrueckt(m_tag, ereignis->button());
}

void Logokachel::mouseMoveEvent(QMouseEvent*) {
    emit MausBewegt(m_tag);
}

Logoraster::Logoraster(QWidget* eltern) : QWidget(eltern) {}

void Logoraster::GibKachelnFrei() {
    qDeleteAll(m_kacheln);
    m_kacheln.clear();
}

Logokachel* Logoraster::FuegeKachelHinzu(QPoint position, const QImage& bild) {
    auto* kachel = new Logokachel(int(m_kacheln.size()), bild, this);
    kachel->move(position);
    connect(kachel, &Logokachel::MausGedrueckt, this, &Logoraster::MausGedrueckt);
    connect(kachel, &Logokachel::MausBewegt, this, &Logoraster::MausBewegt);
    kachel->show();
    m_kacheln.append(kachel);
    return kachel;
}

} // namespace senvio
