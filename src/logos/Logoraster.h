#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

// The tile grid inside the logo scroll box: one small widget per logo.
namespace senvio {

// One 96 × 96 tile; its tag is its index in the group's logo list. It reports mouse
// presses and moves with that index.
class Logokachel : public QWidget {
    Q_OBJECT
public:
    Logokachel(int tag, const QImage& bild, QWidget* eltern);
    int Tag() const { return m_tag; }
    const QImage& Bild() const { return m_bild; }

signals:
    void MausGedrueckt(int tag, Qt::MouseButton taste);
    void MausBewegt(int tag);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;

private:
    int m_tag;
    QImage m_bild;
};

class Logoraster : public QWidget {
    Q_OBJECT
public:
    explicit Logoraster(QWidget* eltern = nullptr);

    // Frees every tile.
    void GibKachelnFrei();
    Logokachel* FuegeKachelHinzu(QPoint position, const QImage& bild);
    const QList<Logokachel*>& Kacheln() const { return m_kacheln; }

signals:
    void MausGedrueckt(int tag, Qt::MouseButton taste);
    void MausBewegt(int tag);

private:
    QList<Logokachel*> m_kacheln;
};

} // namespace senvio
