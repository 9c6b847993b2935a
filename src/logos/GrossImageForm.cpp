#include "logos/GrossImageForm.h"

#include "platform/Fehler.h"
#include "platform/Fensterrahmen.h"
#include "view/Logobild.h"

#include <QFileInfo>
#include <QPainter>

namespace senvio {

void GestrecktesBild::SetzeBild(const QImage& bild) {
    m_bild = bild;
    update();
}

void GestrecktesBild::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    if (!m_bild.isNull())
        maler.drawImage(rect(), m_bild);
}

void GestrecktesBild::mousePressEvent(QMouseEvent*) {
    emit Geklickt();
}

TGrossImageForm::TGrossImageForm(QWidget* eltern) : QWidget(eltern, Qt::Window) {
    const QSize aussen(315, 231);
    SetzeAussengroesse(*this, aussen, false);
    move(MitteDesSchirms(aussen));
    Image1 = new GestrecktesBild(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, height() - 190, width(), 190);
    connect(Image1, &GestrecktesBild::Geklickt, this, &TGrossImageForm::GrossImageClick);
}

void TGrossImageForm::resizeEvent(QResizeEvent*) {
    Image1->setGeometry(0, height() - 190, width(), 190);
}

void TGrossImageForm::ZeigeLogo(const QString& pfad) {
    const DekodiertesLogo logo = LeseLogodatei(pfad);
    if (logo.bild.isNull())
        throw Fehler(QStringLiteral("Das Logo \"") + pfad + QStringLiteral("\" kann nicht gelesen werden"));
    Image1->SetzeBild(LogoAufGrund(logo));
    setWindowTitle(QFileInfo(pfad).fileName());
    show();
    raise();
    activateWindow();
}

void TGrossImageForm::GrossImageClick() {
    close();
}

} // namespace senvio
