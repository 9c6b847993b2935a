#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace senvio {

// Asks for the name of a new list. "OK" closes it with Accepted only for a usable
// name, as PruefeListennamen judges it (after asking whether an existing list may be
// overwritten).
class TNameEingabeForm : public QDialog {
    Q_OBJECT
public:
    explicit TNameEingabeForm(QString listenOrdner, QWidget* eltern = nullptr);
    QString Name() const;
    void SetzeName(const QString& name);

public slots:
    void BitBtn1Click();

private:
    QLineEdit* TntEdit1 = nullptr;
    QString m_listenOrdner;
};

} // namespace senvio
