#include "platform/Dialoge.h"

#include "platform/Oeffner.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>

#include <algorithm>
#include <deque>
#include <memory>

namespace senvio {

namespace {

struct Skript {
    bool an = false;
    std::deque<bool> antworten;
    std::deque<int> wahlen;
    bool oeffnenGelingt = true;
    bool kannOeffnen = true;
    bool oeffnerScheitert = false;
    std::deque<QString> dateinamen;
    std::deque<QStringList> dateilisten;
    std::deque<std::function<int(QDialog&)>> dialoge;
    std::deque<std::optional<Schriftwahl>> schriften;
    QList<Dialoge::Meldung> meldungen;
    QStringList dokumente;
    QString ordner;
    QString name;
    std::deque<int> abbrueche;
};

Skript& skript() {
    static Skript s;
    return s;
}

template <typename T> std::optional<T> Naechstes(std::deque<T>& schlange) {
    if (schlange.empty())
        return std::nullopt;
    T wert = std::move(schlange.front());
    schlange.pop_front();
    return wert;
}

void ZeigeBox(QWidget* eltern, QMessageBox::Icon symbol, const QString& titel, const QString& text) {
    QMessageBox box(symbol, titel, text, QMessageBox::NoButton, eltern);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void ZeigeOderProtokolliere(QWidget* eltern, QMessageBox::Icon symbol, const QString& titel, const QString& text) {
    skript().meldungen.append({titel, text, {}});
    if (!skript().an)
        ZeigeBox(eltern, symbol, titel, text);
}

} // namespace

QStringList QtFilter(const QString& filter) {
    const QStringList teile = filter.split(QLatin1Char('|'));
    QStringList ergebnis;
    // "*.*" means every file, as it always did; here it would leave out names without a dot.
    for (int i = 0; i + 1 < teile.size(); i += 2)
        ergebnis.append(QString(teile[i]).replace(QStringLiteral("(*.*)"), QStringLiteral("(*)")));
    return ergebnis;
}

namespace {
// Filters match without regard to case, so "Sport.LIS" shows among the list files.
void SetzeFilter(QFileDialog& dialog, const QString& filter) {
    dialog.setNameFilters(QtFilter(filter));
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
}
} // namespace

void Dialoge::Information(QWidget* eltern, const QString& text) {
    ZeigeOderProtokolliere(eltern, QMessageBox::Information, QStringLiteral("Information"), text);
}

void Dialoge::Warnung(QWidget* eltern, const QString& text) {
    ZeigeOderProtokolliere(eltern, QMessageBox::Warning, QStringLiteral("Warnung"), text);
}

void Dialoge::Fehler(QWidget* eltern, const QString& titel, const QString& text) {
    ZeigeOderProtokolliere(eltern, QMessageBox::Critical, titel, text);
}

bool Dialoge::Bestaetigung(QWidget* eltern, const QString& text) {
    const QString titel = QStringLiteral("Bestätigung");
    skript().meldungen.append({titel, text, {}});
    if (skript().an)
        return Naechstes(skript().antworten).value_or(false);
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::NoButton, eltern);
    QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(nein);
    box.setEscapeButton(nein);
    box.exec();
    return box.clickedButton() == ja;
}

int Dialoge::Wahl(QWidget* eltern, const QString& titel, const QString& text, const QStringList& knoepfe) {
    skript().meldungen.append({titel, text, knoepfe});
    const int letzter = int(knoepfe.size()) - 1;
    if (skript().an)
        return std::clamp(Naechstes(skript().wahlen).value_or(letzter), 0, letzter);
    // The fixed titles say the kind of box; its symbol follows.
    const QMessageBox::Icon symbol =
        titel == QLatin1String("Warnung") ? QMessageBox::Warning : QMessageBox::Information;
    QMessageBox box(symbol, titel, text, QMessageBox::NoButton, eltern);
    QList<QPushButton*> gezeigt;
    for (const QString& knopf : knoepfe)
        gezeigt.append(box.addButton(knopf, QMessageBox::ActionRole));
    box.setDefaultButton(gezeigt.first());
    box.setEscapeButton(gezeigt.last());
    box.exec();
    const qsizetype gedrueckt = gezeigt.indexOf(static_cast<QPushButton*>(box.clickedButton()));
    return gedrueckt < 0 ? letzter : int(gedrueckt);
}

QString Dialoge::DateiOeffnen(QWidget* eltern, const QString& ordner, const QString& filter) {
    skript().ordner = ordner;
    skript().name.clear();
    if (skript().an)
        return Naechstes(skript().dateinamen).value_or(QString());
    QFileDialog dialog(eltern, QString(), ordner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    SetzeFilter(dialog, filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QStringList Dialoge::DateienOeffnen(QWidget* eltern, const QString& ordner, const QString& filter, const QString& titel,
                                    const std::function<bool(const QString&)>& ordnerGenuegt) {
    skript().ordner = ordner;
    skript().name.clear();
    if (skript().an) {
        if (std::optional<QStringList> pfade = Naechstes(skript().dateilisten))
            return *pfade;
        const QString pfad = Naechstes(skript().dateinamen).value_or(QString());
        return pfad.isEmpty() ? QStringList() : QStringList{pfad};
    }
    QFileDialog dialog(eltern, titel, ordner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    SetzeFilter(dialog, filter);
    QString genuegt;
    if (ordnerGenuegt)
        QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog, [&](const QString& betreten) {
            if (genuegt.isEmpty() && ordnerGenuegt(betreten)) {
                genuegt = betreten;
                static_cast<QDialog&>(dialog).done(QDialog::Accepted); // without checking a file name
            }
        });
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return genuegt.isEmpty() ? dialog.selectedFiles() : QStringList{genuegt};
}

QString Dialoge::DateiSpeichern(QWidget* eltern, const QString& ordner, const QString& dateiname,
                                const QString& filter) {
    skript().ordner = ordner;
    skript().name = dateiname;
    if (skript().an)
        return Naechstes(skript().dateinamen).value_or(QString());
    QFileDialog dialog(eltern, QString(), ordner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // We ask about overwriting ourselves, with our own wording.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    SetzeFilter(dialog, filter);
    dialog.selectFile(dateiname);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

int Dialoge::ZeigeModal(QDialog& dialog) {
    if (skript().an) {
        auto bearbeiter = Naechstes(skript().dialoge);
        return bearbeiter ? (*bearbeiter)(dialog) : int(QDialog::Rejected);
    }
    return dialog.exec();
}

std::optional<Schriftwahl> Dialoge::Schrift(QWidget* eltern, const Schriftwahl& start) {
    if (skript().an && !skript().schriften.empty())
        return Naechstes(skript().schriften).value_or(std::nullopt);
    SchriftDialog dialog(start, eltern);
    if (ZeigeModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Auswahl();
}

namespace {
QString Oeffnerprogramm() {
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
}
} // namespace

bool Dialoge::OeffneDokument(const QString& pfad, std::function<void()> gescheitert) {
    skript().dokumente.append(pfad);
    if (skript().an) {
        if (!skript().oeffnenGelingt)
            return false;
        if (skript().oeffnerScheitert && gescheitert)
            QMetaObject::invokeMethod(qApp, std::move(gescheitert), Qt::QueuedConnection);
        return true;
    }
    // xdg-open itself, not QDesktopServices: only its exit code tells that nothing opened the file.
    const QString programm = Oeffnerprogramm();
    if (programm.isEmpty())
        return false;
    StarteOeffner(programm, pfad, std::move(gescheitert));
    return true;
}

bool Dialoge::KannOeffnen() {
    if (skript().an)
        return skript().kannOeffnen;
    return !Oeffnerprogramm().isEmpty();
}

std::function<bool(int)> Dialoge::Fortschritt(QWidget* eltern, const QString& text, int schritte, int verzoegerung) {
    if (skript().an) {
        const int abbruch = Naechstes(skript().abbrueche).value_or(0);
        return [abbruch](int schritt) { return abbruch <= 0 || schritt < abbruch; };
    }
    auto dialog = std::make_shared<QProgressDialog>(text, QStringLiteral("Abbrechen"), 0, schritte, eltern);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(verzoegerung);
    // A modal progress dialog handles the events while the value is set, "Abbrechen" too.
    return [dialog](int schritt) {
        dialog->setValue(schritt - 1);
        return !dialog->wasCanceled();
    };
}

void Dialoge::SetzeSkriptbetrieb(bool an) {
    skript() = Skript{};
    skript().an = an;
}

void Dialoge::SetzeNaechsteAntwort(bool ja) {
    skript().antworten.push_back(ja);
}
void Dialoge::SetzeNaechsteWahl(int knopf) {
    skript().wahlen.push_back(knopf);
}
void Dialoge::SetzeOeffnenGelingt(bool gelingt, bool kannOeffnen) {
    skript().oeffnenGelingt = gelingt;
    skript().kannOeffnen = kannOeffnen;
}
void Dialoge::SetzeOeffnerScheitert(bool scheitert) {
    skript().oeffnerScheitert = scheitert;
}
void Dialoge::SetzeNaechstenDateinamen(const QString& pfad) {
    skript().dateinamen.push_back(pfad);
}
void Dialoge::SetzeNaechsteDateien(const QStringList& pfade) {
    skript().dateilisten.push_back(pfade);
}
void Dialoge::SetzeNaechsteSchrift(const std::optional<Schriftwahl>& wahl) {
    skript().schriften.push_back(wahl);
}
void Dialoge::SetzeNaechstenDialog(std::function<int(QDialog&)> bearbeiter) {
    skript().dialoge.push_back(std::move(bearbeiter));
}
void Dialoge::SetzeAbbruchBeiSchritt(int schritt) {
    skript().abbrueche.push_back(schritt);
}
QList<Dialoge::Meldung> Dialoge::Meldungen() {
    return skript().meldungen;
}
QStringList Dialoge::GeoeffneteDokumente() {
    return skript().dokumente;
}
QString Dialoge::LetzterDateidialogOrdner() {
    return skript().ordner;
}
QString Dialoge::LetzterDateidialogName() {
    return skript().name;
}

void Dialoge::LeereProtokoll() {
    skript().meldungen.clear();
    skript().dokumente.clear();
}

} // namespace senvio
