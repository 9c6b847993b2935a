// senvio-import as a user runs it: a new list, a refused one, a group appended, calls turned away.
#include <QTemporaryDir>

#include "TestDateien.h"

using namespace senvio::test;
using namespace Qt::StringLiterals;

TEST(ImportProgramm, SchreibtDieListeNurWennAllesGelingt) {
    QTemporaryDir wurzel;
    const auto starte = [&](const QStringList& argumente) {
        return StarteProgramm(QStringLiteral(SENVIO_IMPORT_PROGRAMM), argumente, wurzel.path());
    };
    const QString kabel = wurzel.filePath(u"P/Senvio-Listen/Kabel.lis"_s);
    ASSERT_TRUE(QDir().mkpath(wurzel.filePath(u"P/Senvio-Listen"_s)));
    Schreib(wurzel.filePath(u"k.m3u"_s), "#EXTM3U\n#EXTINF:0 group-title=\"Sport\",S\xC3\xBC\x64 "
                                         "1\nhttp://a\n#EXTINF:0 group-title=\"Musik\",Welle\nhttp://b\n");
    Schreib(wurzel.filePath(u"notizen.txt"_s), "Brot\n");
    const QStringList p = {u"--programmordner"_s, u"P"_s};
    const QByteArray neu = "    1   = S\xFC\x64 1 #png#Ohne Logo1.png\r\n    2   = Welle #png#Ohne Logo2.png\r\n";

    // Without a display; paths relative to the working directory; nothing else written.
    EXPECT_EQ(starte(p + QStringList{u"Kabel"_s, u"k.m3u"_s}),
              (Programmlauf{0, u"2 Einträge importiert: "_s + kabel + u'\n', {}}));
    EXPECT_EQ(Baum(wurzel.filePath(u"P"_s)).keys(), (QStringList{u"Senvio-Listen"_s, u"Senvio-Listen/Kabel.lis"_s}));
    EXPECT_EQ(Lies(kabel), neu);
    EXPECT_EQ(starte(p + QStringList{u"Kabel"_s, u"k.m3u"_s}),
              (Programmlauf{1, {}, u"senvio-import: Die Liste Kabel gibt es schon.\n"_s}));
    // One group of the file read twice appended once, numbered on; the placeholders go on
    // after the last one.
    EXPECT_EQ(starte(p + QStringList{u"--anhaengen"_s, u"--ohne-doppelte"_s, u"--gruppe"_s, u"Musik"_s, u"Kabel"_s,
                                     u"k.m3u"_s, u"k.m3u"_s})
                  .rueckgabe,
              0);
    EXPECT_EQ(Lies(kabel), neu + "    3   = Welle #png#Ohne Logo3.png\r\n");

    // Wrong calls (with the usage), an unknown group or format: the list stays as it was.
    const std::pair<QStringList, int> faelle[] = {
        {{u"--unbekannt"_s, u"Kabel"_s}, 2},
        {p + QStringList{u"../Kabel"_s, u"k.m3u"_s}, 2},
        {p + QStringList{u"--anhaengen"_s, u"--gruppe"_s, u"Kino"_s, u"Kabel"_s, u"k.m3u"_s}, 1},
        {p + QStringList{u"--anhaengen"_s, u"Kabel"_s, u"k.m3u"_s, u"notizen.txt"_s}, 1},
    };
    QString fehler;
    for (const auto& [argumente, rueckgabe] : faelle) {
        const Programmlauf lauf = starte(argumente);
        fehler = lauf.fehler;
        EXPECT_EQ(lauf.rueckgabe, rueckgabe) << argumente.join(u' ').toStdString();
        EXPECT_EQ(fehler.contains(u"Aufruf: senvio-import"_s), rueckgabe == 2) << fehler.toStdString();
    }
    EXPECT_EQ(fehler,
              u"senvio-import: Das Format der Datei "_s + wurzel.filePath(u"notizen.txt"_s) + u" ist unbekannt.\n"_s);
    EXPECT_EQ(Lies(kabel), neu + "    3   = Welle #png#Ohne Logo3.png\r\n");
}

// --logos: the logo an import file names beats the name's; two different files for a name
// are only counted as proposals; the copy folder is made.
TEST(ImportProgramm, LogosDieEindeutigSindWerdenZugeordnet) {
    QTemporaryDir wurzel;
    ASSERT_TRUE(QDir().mkpath(wurzel.filePath(u"Senvio-Listen"_s)));
    for (const auto& [datei, inhalt] : {std::pair("ARD/Eins Logo.png", "1"), std::pair("ARD/daserstehd.png", "2"),
                                        std::pair("ARD/zdf.png", "3"), std::pair("Andere/ZDF.png", "4")})
        Schreib(wurzel.filePath(u"TV und Radio Sender Logos/"_s + QString::fromUtf8(datei)), inhalt);
    Schreib(wurzel.filePath(u"k.m3u"_s),
            "#EXTINF:0 tvg-logo=\"http://x/l/Eins%20Logo.png?v=2\",Das Erste HD\nhttp://a\n"
            "#EXTINF:0,ZDF\nhttp://b\n#EXTINF:0,Welle\nhttp://c\n");
    const Programmlauf lauf =
        StarteProgramm(QStringLiteral(SENVIO_IMPORT_PROGRAMM), {u"--logos"_s, u"Kabel"_s, u"k.m3u"_s}, wurzel.path());
    EXPECT_EQ(lauf.rueckgabe, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.aus, u"3 Einträge importiert: "_s + wurzel.filePath(u"Senvio-Listen/Kabel.lis"_s) +
                            u"\nLogos zugeordnet: 1, Einträge mit Vorschlägen zum Prüfen: 1\n"_s);
    EXPECT_EQ(Lies(wurzel.filePath(u"Senvio-Listen/Kabel.lis"_s)),
              "    1   = Das Erste HD #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\Eins Logo.png\r\n"
              "    2   = ZDF #png#Ohne Logo2.png\r\n    3   = Welle #png#Ohne Logo3.png\r\n");
    EXPECT_EQ(Lies(wurzel.filePath(u"Senvio-Listen/Sender-Logos/Eins Logo.png"_s)), "1");
}
