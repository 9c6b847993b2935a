#include "list/DoppelteForm.h"

#include "platform/Knopfzeile.h"

#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace senvio {

namespace {

QTableWidgetItem* Kopiezelle(const QString& text) {
    auto* zelle = new QTableWidgetItem(text);
    zelle->setFlags(Qt::ItemIsEnabled);
    return zelle;
}

} // namespace

TDoppelteForm::TDoppelteForm(const QList<Kopiezeile>& kopien, QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Doppelte Einträge entfernen"));
    resize(520, 460);
    auto* spalte = new QVBoxLayout(this);
    auto* erklaerung = new QLabel(
        QStringLiteral(
            "Diese Einträge stehen schon weiter oben in der Liste. Die angekreuzten werden entfernt, der "
            "erste Eintrag jedes Senders bleibt. Unter „Vielleicht gleich“ stehen Einträge mit nur ähnlichem "
            "Namen; kreuzen Sie sie nur an, wenn es wirklich derselbe Sender ist."),
        this);
    erklaerung->setWordWrap(true);
    spalte->addWidget(erklaerung);
    const qsizetype vielleicht =
        std::count_if(kopien.begin(), kopien.end(), [](const Kopiezeile& k) { return !k.sicher; });
    Tabelle = new QTableWidget(int(kopien.size() + (vielleicht > 0 ? 1 : 0)), 4, this);
    Tabelle->setObjectName(QStringLiteral("Kopien"));
    Tabelle->setHorizontalHeaderLabels(
        {QStringLiteral("Nr."), QStringLiteral("Name"), QStringLiteral("Logo"), QStringLiteral("Gleich wie")});
    Tabelle->verticalHeader()->hide();
    Tabelle->verticalHeader()->setDefaultSectionSize(44);
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setSelectionMode(QAbstractItemView::NoSelection);
    Tabelle->setIconSize(QSize(60, 40));
    // The sure copies first, then the heading and the entries only alike.
    m_zeileDer.resize(kopien.size());
    int zeile = 0;
    for (const bool sicher : {true, false}) {
        if (!sicher && vielleicht > 0) {
            QTableWidgetItem* kopf = Kopiezelle(QStringLiteral("Vielleicht gleich"));
            QFont fett = kopf->font();
            fett.setBold(true);
            kopf->setFont(fett);
            Tabelle->setItem(zeile, 0, kopf);
            Tabelle->setSpan(zeile++, 0, 1, 4);
        }
        for (int i = 0; i < kopien.size(); ++i) {
            const Kopiezeile& kopie = kopien[i];
            if (kopie.sicher != sicher)
                continue;
            m_zeileDer[i] = zeile;
            auto* nummer = Kopiezelle(QString::number(kopie.nummer));
            nummer->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            nummer->setCheckState(sicher ? Qt::Checked : Qt::Unchecked);
            Tabelle->setItem(zeile, 0, nummer);
            Tabelle->setItem(zeile, 1, Kopiezelle(kopie.name));
            auto* logo = Kopiezelle(QString());
            if (!kopie.logo.isNull())
                logo->setData(Qt::DecorationRole, QPixmap::fromImage(kopie.logo));
            Tabelle->setItem(zeile, 2, logo);
            Tabelle->setItem(
                zeile++, 3,
                Kopiezelle((sicher ? QStringLiteral("gleich wie Nr. %1") : QStringLiteral("ähnlich wie Nr. %1"))
                               .arg(kopie.gleichWie)));
        }
    }
    Tabelle->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    Tabelle->setColumnWidth(2, 68);
    Tabelle->resizeColumnToContents(3);
    spalte->addWidget(Tabelle);
    const Knopfzeile knoepfe = BaueKnopfzeile(*this, QStringLiteral("Entfernen"));
    knoepfe.ok->setObjectName(QStringLiteral("Entfernen"));
    connect(knoepfe.ok, &QPushButton::clicked, this, &QDialog::accept);
    spalte->addLayout(knoepfe.zeile);
}

QList<int> TDoppelteForm::Angekreuzt() const {
    QList<int> kopien;
    for (int i = 0; i < m_zeileDer.size(); ++i)
        if (Tabelle->item(m_zeileDer[i], 0)->checkState() == Qt::Checked)
            kopien.append(i);
    return kopien;
}

void TDoppelteForm::SetzeKreuz(int kopie, bool an) {
    Tabelle->item(m_zeileDer.at(kopie), 0)->setCheckState(an ? Qt::Checked : Qt::Unchecked);
}

} // namespace senvio
