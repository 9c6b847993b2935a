// Saving a list is atomic: a kill in the middle of a save leaves a whole list file on disk.
#include "AbsturzListen.h"
#include "list/Listendatei.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

namespace {

TEST(Absturz, EinKillMittenImSpeichernHinterlaesstEineGanzeListe) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("liste.lis"));
    // A whole save of each list, as the kills are judged against; its time spreads the kills.
    SenderListe listeA = AbsturzListe('A');
    SenderListe listeB = AbsturzListe('B');
    QElapsedTimer uhr;
    uhr.start();
    SchreibeListendatei(pfad, listeB);
    const QByteArray b = Lies(pfad);
    SchreibeListendatei(pfad, listeA);
    const QByteArray a = Lies(pfad);
    ASSERT_NE(a, b);
    const long zyklus = long(uhr.nsecsElapsed() / 1000);

    // Fixed seed: a failure comes back on the next run. Delays up to two cycles hit both saves.
    std::mt19937 zufall(20240611);
    std::uniform_int_distribution<long> verzoegerung(2000, std::max(4000L, 2 * zyklus));
    std::printf("Ein Zyklus B+A dauert %ld us\n", zyklus);
    int malA = 0;
    int malB = 0;
    for (int i = 0; i < KILLS; ++i) {
        QProcess schreiber;
        schreiber.start(QStringLiteral(LISTEN_SCHREIBER), {pfad});
        // Its first byte comes once list A is saved; then it saves B, A, ... until killed.
        ASSERT_TRUE(schreiber.waitForReadyRead(-1)) << "listen-schreiber hat die erste Liste nicht gespeichert";
        const long us = verzoegerung(zufall);
        std::this_thread::sleep_for(std::chrono::microseconds(us));
        schreiber.kill();
        ASSERT_TRUE(schreiber.waitForFinished(-1));
        ASSERT_TRUE(schreiber.exitStatus() == QProcess::CrashExit && schreiber.exitCode() == SIGKILL)
            << "listen-schreiber endete von selbst";
        const QByteArray jetzt = Lies(pfad);
        EXPECT_TRUE(jetzt == a || jetzt == b)
            << "Kill " << i << " nach " << us << " us: " << jetzt.size() << " Bytes, weder Liste A noch B";
        malA += jetzt == a;
        malB += jetzt == b;
    }
    std::printf("Die Datei hielt %d-mal Liste A und %d-mal Liste B\n", malA, malB);
    EXPECT_GT(malA, 0);
    EXPECT_GT(malB, 0) << "nach dem ersten Speichern wurde nie wieder gespeichert";

    // What the kills left beside the list is known by its name and goes with the next save
    // once it is a minute old; a fresh one (another program's save) and the user's files stay.
    const QDir dir(ordner.path());
    Schreib(ordner.filePath(QStringLiteral(".~senvio-1-7")), "alt");
    Schreib(ordner.filePath(QStringLiteral("liste.lis.backup")), "meins");
    const QStringList namen = {QStringLiteral("liste.lis"), QStringLiteral("liste.lis.backup")};
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (namen.contains(name))
            continue;
        EXPECT_TRUE(name.startsWith(QStringLiteral(".~senvio-"))) << name.toStdString();
        QFile rest(ordner.filePath(name));
        ASSERT_TRUE(rest.open(QIODevice::ReadWrite));
        rest.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-61), QFileDevice::FileModificationTime);
    }
    Schreib(ordner.filePath(QStringLiteral(".~senvio-2-0")), "frisch");
    SchreibeListendatei(pfad, listeA);
    EXPECT_EQ(
        dir.entryList(QDir::Files | QDir::Hidden, QDir::Name),
        (QStringList{QStringLiteral(".~senvio-2-0"), QStringLiteral("liste.lis"), QStringLiteral("liste.lis.backup")}));
}

} // namespace
