#include "list/DoppelteForm.h"

#include "platform/Knopfzeile.h"

#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace senvio {

TDoppelteForm::TDoppelteForm(const QList<Kopiezeile>& kopien, QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Doppelte Einträge entfernen"));
    resize(520, 460);
    auto* spalte = new QVBoxLayout(this);
    auto* erklaerung =
        new QLabel(QStringLiteral("Diese Einträge stehen schon weiter oben in der Liste. Die "
                                  "angekreuzten werden entfernt, der erste Eintrag jedes Senders bleibt."),
                   this);
    erklaerung->setWordWrap(true);
    spalte->addWidget(erklaerung);
    Tabelle = new QTableWidget(int(kopien.size()), 4, this);
    Tabelle->setObjectName(QStringLiteral("Kopien"));
    Tabelle->setHorizontalHeaderLabels(
        {QStringLiteral("Nr."), QStringLiteral("Name"), QStringLiteral("Logo"), QStringLiteral("Gleich wie")});
    Tabelle->verticalHeader()->hide();
    Tabelle->verticalHeader()->setDefaultSectionSize(44);
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setSelectionMode(QAbstractItemView::NoSelection);
    Tabelle->setIconSize(QSize(60, 40));
    for (int i = 0; i < kopien.size(); ++i) {
        const Kopiezeile& kopie = kopien[i];
        auto* nummer = new QTableWidgetItem(QString::number(kopie.nummer));
        nummer->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        nummer->setCheckState(Qt::Checked);
        Tabelle->setItem(i, 0, nummer);
        Tabelle->setItem(i, 1, new QTableWidgetItem(kopie.name));
        auto* logo = new QTableWidgetItem;
        if (!kopie.logo.isNull())
            logo->setData(Qt::DecorationRole, QPixmap::fromImage(kopie.logo));
        Tabelle->setItem(i, 2, logo);
        Tabelle->setItem(i, 3, new QTableWidgetItem(QStringLiteral("gleich wie Nr. %1").arg(kopie.gleichWie)));
    }
    Tabelle->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    Tabelle->setColumnWidth(2, 68);
    spalte->addWidget(Tabelle);
    const Knopfzeile knoepfe = BaueKnopfzeile(*this, QStringLiteral("Entfernen"));
    knoepfe.ok->setObjectName(QStringLiteral("Entfernen"));
    connect(knoepfe.ok, &QPushButton::clicked, this, &QDialog::accept);
    spalte->addLayout(knoepfe.zeile);
}

QList<int> TDoppelteForm::Angekreuzt() const {
    QList<int> zeilen;
    for (int i = 0; i < Tabelle->rowCount(); ++i)
        if (Tabelle->item(i, 0)->checkState() == Qt::Checked)
            zeilen.append(i);
    return zeilen;
}

void TDoppelteForm::SetzeKreuz(int zeile, bool an) {
    Tabelle->item(zeile, 0)->setCheckState(an ? Qt::Checked : Qt::Unchecked);
}

} // namespace senvio
