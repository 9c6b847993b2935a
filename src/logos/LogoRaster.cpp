#include "logos/LogoRaster.h"

#include "logos/Kachelgeometrie.h"

#include <QMouseEvent>
#include <QPainter>

namespace senvio {

LogoKachel::LogoKachel(int tag, const QImage& bild, QWidget* eltern) : QWidget(eltern), m_tag(tag), m_bild(bild) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(KachelGroesse, KachelGroesse);
}

void LogoKachel::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, m_bild);
}

void LogoKachel::mousePressEvent(QMouseEvent* ereignis) {
    emit MausGedrueckt(m_tag, ereignis->button());
}

void LogoKachel::mouseMoveEvent(QMouseEvent*) {
    emit MausBewegt(m_tag);
}

LogoRaster::LogoRaster(QWidget* eltern) : QWidget(eltern) {}

void LogoRaster::GibKachelnFrei() {
    qDeleteAll(m_kacheln);
    m_kacheln.clear();
}

LogoKachel* LogoRaster::FuegeKachelHinzu(QPoint position, const QImage& bild) {
    auto* kachel = new LogoKachel(int(m_kacheln.size()), bild, this);
    kachel->move(position);
    connect(kachel, &LogoKachel::MausGedrueckt, this, &LogoRaster::MausGedrueckt);
    connect(kachel, &LogoKachel::MausBewegt, this, &LogoRaster::MausBewegt);
    kachel->show();
    m_kacheln.append(kachel);
    return kachel;
}

} // namespace senvio
