#include "output/DruckwahlForm.h"

#include "platform/Knopfzeile.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace senvio {

namespace {

constexpr Ausgabeart Arten[3] = {Ausgabeart::ObenGeheftet, Ausgabeart::LinksGeheftet, Ausgabeart::Doppelhuellen};

// "Nur geänderte Karten drucken (Karten 2, 5)", "(Karte 3)" for one.
QString NurGeaenderteText(const QList<int>& karten) {
    QStringList nummern;
    for (const int karte : karten)
        nummern << QString::number(karte);
    return QStringLiteral("Nur geänderte Karten drucken (%1 %2)")
        .arg(karten.size() == 1 ? QStringLiteral("Karte") : QStringLiteral("Karten"),
             nummern.join(QStringLiteral(", ")));
}

} // namespace

TDruckwahlForm::TDruckwahlForm(const Blattwahl& start, QWidget* eltern, const QList<int>& geaenderteKarten)
    : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Drucken"));
    auto* spalte = new QVBoxLayout(this);
    const QString texte[3] = {QStringLiteral("für DIN A6 Klarsicht Einfachhülle oben geheftet"),
                              QStringLiteral("für DIN A6 Klarsicht Einfachhülle links geheftet"),
                              QStringLiteral("für DIN A6 Klarsicht Doppelhüllen")};
    const char* namen[3] = {"ObenGeheftet", "LinksGeheftet", "Doppelhuellen"};
    for (int i = 0; i < 3; ++i) {
        m_art[i] = new QRadioButton(texte[i], this);
        m_art[i]->setObjectName(QLatin1String(namen[i]));
        m_art[i]->setChecked(Arten[i] == start.art);
        spalte->addWidget(m_art[i]);
    }
    auto* felder = new QFormLayout;
    m_startKarte = new QSpinBox(this);
    m_startKarte->setObjectName(QStringLiteral("StartKarte"));
    m_startKarte->setRange(1, 4);
    m_startKarte->setValue(start.startKarte);
    felder->addRow(QStringLiteral("Beginnen bei Karte"), m_startKarte);
    spalte->addLayout(felder);
    m_schnittlinien = new QCheckBox(QStringLiteral("Schnittlinien drucken"), this);
    m_schnittlinien->setObjectName(QStringLiteral("Schnittlinien"));
    m_schnittlinien->setChecked(start.schnittlinien);
    spalte->addWidget(m_schnittlinien);
    if (!geaenderteKarten.isEmpty()) {
        m_nurGeaenderte = new QCheckBox(NurGeaenderteText(geaenderteKarten), this);
        m_nurGeaenderte->setObjectName(QStringLiteral("NurGeaenderte"));
        m_nurGeaenderte->setChecked(true);
        spalte->addWidget(m_nurGeaenderte);
    }
    const Knopfzeile knoepfe = BaueKnopfzeile(*this);
    connect(knoepfe.ok, &QPushButton::clicked, this, &QDialog::accept);
    spalte->addLayout(knoepfe.zeile);
}

Blattwahl TDruckwahlForm::Wahl() const {
    Blattwahl wahl;
    for (int i = 0; i < 3; ++i)
        if (m_art[i]->isChecked())
            wahl.art = Arten[i];
    wahl.startKarte = m_startKarte->value();
    wahl.schnittlinien = m_schnittlinien->isChecked();
    return wahl;
}

bool TDruckwahlForm::NurGeaenderte() const {
    return m_nurGeaenderte && m_nurGeaenderte->isChecked();
}

bool TDruckwahlForm::NurGeaenderteAbgewaehlt() const {
    return m_nurGeaenderte && !m_nurGeaenderte->isChecked();
}

void RichteDruckerEin(QPrinter& drucker) {
    RichteA4Ein(drucker);
    drucker.setFullPage(true);
}

} // namespace senvio
