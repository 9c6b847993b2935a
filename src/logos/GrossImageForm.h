#pragma once

#include <QImage>
#include <QWidget>

namespace senvio {

// A picture stretched over its whole area, nearest neighbour, aspect ratio not kept.
class GestrecktesBild : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void SetzeBild(const QImage& bild);
    const QImage& Bild() const { return m_bild; }

signals:
    void Geklickt();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;

private:
    QImage m_bild;
};

// The large preview of one logo: the picture stretched over an area at the bottom
// of the window, the logo's file name as the caption.
class TGrossImageForm : public QWidget {
    Q_OBJECT
public:
    explicit TGrossImageForm(QWidget* eltern = nullptr);

    // Shows the logo of the file and brings the window to the front. Throws Fehler
    // when the file cannot be decoded; the window then stays as it was.
    void ZeigeLogo(const QString& pfad);
    void GrossImageClick();

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    GestrecktesBild* Image1 = nullptr;
};

} // namespace senvio
