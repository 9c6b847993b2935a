#include "platform/Knopfzeile.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace senvio {

Knopfzeile BaueKnopfzeile(QDialog& dialog, const QString& okText) {
    Knopfzeile k;
    k.ok = new QPushButton(okText, &dialog);
    k.abbrechen = new QPushButton(QStringLiteral("Abbrechen"), &dialog);
    k.ok->setDefault(true);
    QObject::connect(k.abbrechen, &QPushButton::clicked, &dialog, &QDialog::reject);
    k.zeile = new QHBoxLayout;
    k.zeile->addStretch();
    k.zeile->addWidget(k.ok);
    k.zeile->addWidget(k.abbrechen);
    return k;
}

} // namespace senvio
