#include "platform/Oeffner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QList>
#include <QProcess>

#include <memory>

namespace senvio {

namespace {
// The openers still running, kept on purpose when the program ends (never destroyed, so a leak
// checker sees them held).
QList<QProcess*>* const Laufende = new QList<QProcess*>;
} // namespace

QProcess* StarteOeffner(const QString& programm, const QString& pfad, std::function<void()> gescheitert) {
    // Without a parent: deleting a QProcess would kill the opener and with it a viewer it waits for.
    auto* oeffner = new QProcess;
    oeffner->setProgram(programm);
    oeffner->setArguments({QFileInfo(pfad).absoluteFilePath()});
    // A viewer writing to its output must not fill our memory.
    oeffner->setStandardOutputFile(QProcess::nullDevice());
    oeffner->setStandardErrorFile(QProcess::nullDevice());
    auto uhr = std::make_shared<QElapsedTimer>();
    auto melde = std::make_shared<std::function<void()>>(std::move(gescheitert));
    const auto ende = [oeffner, uhr, melde](bool erfolg) {
        if (!erfolg && *melde && uhr->elapsed() <= OeffnerFristMs)
            QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(*melde), Qt::QueuedConnection);
        *melde = nullptr; // reported once
        Laufende->removeOne(oeffner);
        oeffner->deleteLater();
    };
    QObject::connect(oeffner, &QProcess::finished, oeffner, [ende](int code, QProcess::ExitStatus status) {
        ende(status == QProcess::NormalExit && code == 0);
    });
    QObject::connect(oeffner, &QProcess::errorOccurred, oeffner, [ende](QProcess::ProcessError fehler) {
        if (fehler == QProcess::FailedToStart)
            ende(false);
    });
    Laufende->append(oeffner);
    uhr->start();
    oeffner->start();
    return oeffner;
}

} // namespace senvio
