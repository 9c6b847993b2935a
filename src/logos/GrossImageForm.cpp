#include "logos/GrossImageForm.h"

#include <QLabel>

namespace senvio {

TGrossImageForm::TGrossImageForm(QWidget* eltern) : QWidget(eltern, Qt::Window) {
    resize(315, 231);
    Image1 = new QLabel(this);
    Image1->setScaledContents(true);
    Image1->setGeometry(0, height() - 190, width(), 190);
}

void TGrossImageForm::resizeEvent(QResizeEvent*) {
    Image1->setGeometry(0, height() - 190, width(), 190);
}

} // namespace senvio
