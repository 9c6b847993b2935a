#include "list/NameEingabe.h"

#include "list/Listendatei.h"
#include "platform/Dialoge.h"
#include "platform/Fensterrahmen.h"
#include "platform/Knopfzeile.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace senvio {

TNameEingabeForm::TNameEingabeForm(QString listenOrdner, QWidget* eltern)
    : QDialog(eltern), m_listenOrdner(std::move(listenOrdner)) {
    setWindowTitle(QStringLiteral("Neue Liste"));
    SetzeAussengroesse(*this, {372, 157}, true);
    auto* text = new QLabel(QStringLiteral("Geben Sie einen Namen für die neue Senvio-Liste ein:"), this);
    QFont schrift(QStringLiteral("Arial Unicode MS"));
    schrift.setPixelSize(13);
    text->setFont(schrift);
    TntEdit1 = new QLineEdit(QStringLiteral("Meine Astra Liste"), this);
    TntEdit1->setObjectName(QStringLiteral("TntEdit1"));
    const Knopfzeile knoepfe = BaueKnopfzeile(*this);
    connect(knoepfe.ok, &QPushButton::clicked, this, &TNameEingabeForm::BitBtn1Click);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(text);
    spalte->addWidget(TntEdit1);
    spalte->addLayout(knoepfe.zeile);
}

QString TNameEingabeForm::Name() const {
    return TntEdit1->text();
}
void TNameEingabeForm::SetzeName(const QString& name) {
    TntEdit1->setText(name);
}

void TNameEingabeForm::BitBtn1Click() {
    const QString name = Name();
    switch (PruefeListennamen(name, m_listenOrdner)) {
    case NamensPruefung::Leer:
        Dialoge::Information(this, QStringLiteral("Sie haben keinen Namen eingegeben!"));
        reject();
        return;
    case NamensPruefung::Ungueltig:
        // The dialog stays open for a better name.
        Dialoge::Information(this, QStringLiteral("Der Name darf keines der Zeichen %1 und keine Steuerzeichen "
                                                  "enthalten und nicht „.“ oder „..“ sein.")
                                       .arg(VerboteneNamenszeichenText));
        return;
    case NamensPruefung::Vorhanden:
        if (Dialoge::Bestaetigung(this, UeberschreibFrage(name)))
            accept();
        else
            reject();
        return;
    case NamensPruefung::Neu:
        accept();
        return;
    }
}

} // namespace senvio
