// senvio-import run as a user runs it: a new list, a refused one, appending chosen
// groups, and the calls and files it turns away.
#include <QProcess>
#include <QTemporaryDir>

#include "TestDateien.h"

using namespace senvio::test;
using namespace Qt::StringLiterals;

namespace {

struct Lauf {
    int rueckgabe = -1; // -1 after a crash
    QString aus;
    QString fehler;
};

Lauf StarteImport(const QStringList& argumente, const QString& arbeitsordner) {
    QProcess p;
    p.setWorkingDirectory(arbeitsordner);
    p.start(QStringLiteral(SENVIO_IMPORT_PROGRAMM), argumente);
    const bool beendet = p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit;
    return {beendet ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(ImportProgramm, SchreibtDieListeNurWennAllesGelingt) {
    QTemporaryDir wurzel;
    const QString listen = wurzel.filePath(u"P/Senvio-Listen/"_s);
    ASSERT_TRUE(QDir().mkpath(listen));
    Schreib(wurzel.filePath(u"kabel.m3u"_s), "#EXTM3U\n#EXTINF:0 group-title=\"Sport\",S\xC3\xBC"
                                             "d 1\nhttp://a\n"
                                             "#EXTINF:0 group-title=\"Musik\",Welle\nhttp://b\n");
    const QString kabel = listen + u"Kabel.lis"_s;
    const QByteArray neu = "    1   = S\xFC"
                           "d 1 #png#Ohne Logo1.png\r\n    2   = Welle #png#Ohne Logo2.png\r\n";

    // Without a display; paths relative to the working directory.
    Lauf lauf = StarteImport({u"--programmordner"_s, u"P"_s, u"Kabel"_s, u"kabel.m3u"_s}, wurzel.path());
    ASSERT_EQ(lauf.rueckgabe, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.aus, u"2 Einträge importiert: "_s + kabel + u'\n');
    EXPECT_EQ(Baum(wurzel.filePath(u"P"_s)).keys(), (QStringList{u"Senvio-Listen"_s, u"Senvio-Listen/Kabel.lis"_s}));
    EXPECT_EQ(Lies(kabel), neu);

    lauf = StarteImport({u"--programmordner"_s, u"P"_s, u"Kabel"_s, u"kabel.m3u"_s}, wurzel.path());
    EXPECT_EQ(lauf.rueckgabe, 1);
    EXPECT_EQ(lauf.fehler, u"senvio-import: Die Liste Kabel gibt es schon.\n"_s);

    // Only the group named, appended and numbered on; the placeholders go on after the last one.
    lauf = StarteImport(
        {u"--programmordner"_s, u"P"_s, u"--anhaengen"_s, u"--gruppe"_s, u"Musik"_s, u"Kabel"_s, u"kabel.m3u"_s},
        wurzel.path());
    EXPECT_EQ(lauf.rueckgabe, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(Lies(kabel), neu + "    3   = Welle #png#Ohne Logo3.png\r\n");

    // Wrong calls, an unknown group or format: the list stays as it was.
    Schreib(wurzel.filePath(u"notizen.txt"_s), "Brot\n");
    for (const auto& [argumente, rueckgabe] : {
             std::pair{QStringList{u"--programmordner"_s, u"P"_s, u"Kabel"_s}, 2},
             {QStringList{u"--unbekannt"_s, u"Kabel"_s, u"kabel.m3u"_s}, 2},
             {QStringList{u"--programmordner"_s, u"P"_s, u"../Kabel"_s, u"kabel.m3u"_s}, 2},
             {QStringList{u"--programmordner"_s, u"P"_s, u"--anhaengen"_s, u"--gruppe"_s, u"Kino"_s, u"Kabel"_s,
                          u"kabel.m3u"_s},
              1},
             {QStringList{u"--programmordner"_s, u"P"_s, u"--anhaengen"_s, u"Kabel"_s, u"kabel.m3u"_s,
                          u"notizen.txt"_s},
              1},
         }) {
        lauf = StarteImport(argumente, wurzel.path());
        EXPECT_EQ(lauf.rueckgabe, rueckgabe) << argumente.join(u' ').toStdString();
        EXPECT_EQ(lauf.fehler.contains(u"Aufruf: senvio-import"_s), rueckgabe == 2) << lauf.fehler.toStdString();
    }
    EXPECT_EQ(lauf.fehler,
              u"senvio-import: Das Format der Datei "_s + wurzel.filePath(u"notizen.txt"_s) + u" ist unbekannt.\n"_s);
    EXPECT_EQ(Lies(kabel), neu + "    3   = Welle #png#Ohne Logo3.png\r\n");
}
