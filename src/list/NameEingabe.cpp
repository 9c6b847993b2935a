#include "list/NameEingabe.h"

#include "list/ListenDatei.h"
#include "platform/Dialoge.h"
#include "platform/Fensterrahmen.h"
#include "platform/Knopfzeile.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace senvio {

namespace {

bool IstSteuerzeichen(QChar zeichen) {
    return zeichen.category() == QChar::Other_Control;
}

// Blanks and control characters at both ends, as a name is trimmed before it counts.
QString OhneRand(const QString& name) {
    qsizetype anfang = 0;
    qsizetype ende = name.size();
    while (anfang < ende && name[anfang] <= QLatin1Char(' '))
        ++anfang;
    while (ende > anfang && name[ende - 1] <= QLatin1Char(' '))
        --ende;
    return name.mid(anfang, ende - anfang);
}

} // namespace

NamensPruefung PruefeListenNamen(const QString& name, const QString& listenOrdner) {
    if (OhneRand(name).isEmpty())
        return NamensPruefung::Leer;
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return NamensPruefung::Ungueltig;
    for (QChar zeichen : name)
        if (zeichen == QLatin1Char('/') || IstSteuerzeichen(zeichen))
            return NamensPruefung::Ungueltig;
    if (QFileInfo::exists(FindeListendatei(listenOrdner, name)))
        return NamensPruefung::Vorhanden;
    return NamensPruefung::Neu;
}

TNameEingabeForm::TNameEingabeForm(QString listenOrdner, QWidget* eltern)
    : QDialog(eltern), m_listenOrdner(std::move(listenOrdner)) {
    // No caption: for an empty title Qt would show the application's name, a blank shows nothing.
    setWindowTitle(QStringLiteral(" "));
    SetzeAussengroesse(*this, {372, 157}, true);
    move(285, 125);
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
    switch (PruefeListenNamen(name, m_listenOrdner)) {
    case NamensPruefung::Leer:
        Dialoge::Information(this, QStringLiteral("Sie haben keinen Namen eingegeben!"));
        reject();
        return;
    case NamensPruefung::Ungueltig:
        // The dialog stays open for a better name.
        Dialoge::Information(this, QStringLiteral("Der Name darf keinen Schrägstrich „/“ und keine Steuerzeichen "
                                                  "enthalten und nicht „.“ oder „..“ sein."));
        return;
    case NamensPruefung::Vorhanden:
        if (Dialoge::Bestaetigung(this, QStringLiteral("Eine Liste mit dem Namen: \"") + name +
                                            QStringLiteral("\" existiert schon! Soll sie überschrieben werden?")))
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
