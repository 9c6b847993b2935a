// senvio-druck run as a user runs it: a program folder, lists by name and by path,
// every mode, and the failures a user meets.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "TestDateien.h"
#include "pdf/PdfPruefung.h"

using namespace senvio::test;

namespace {

struct Lauf {
    int rueckgabe = -1; // -1 after a crash
    QString aus;
    QString fehler;
};

// Runs senvio-druck in `arbeitsordner`; as the user nobody when `alsNobody` (so that
// file permissions hold even when the tests run as root).
Lauf StarteDruck(const QStringList& argumente, const QString& arbeitsordner, bool alsNobody = false) {
    QProcess p;
    p.setWorkingDirectory(arbeitsordner);
    if (alsNobody && geteuid() == 0) {
        p.start(QStringLiteral("setpriv"),
                QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                            QStringLiteral("--clear-groups"), QStringLiteral(SENVIO_DRUCK_PROGRAMM)} +
                    argumente);
    } else {
        p.start(QStringLiteral(SENVIO_DRUCK_PROGRAMM), argumente);
    }
    const bool beendet = p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit;
    return {beendet ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

int PdfSeiten(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("qpdf"), {QStringLiteral("--show-npages"), pdf});
    p.waitForFinished(-1);
    return p.exitCode() == 0 ? p.readAllStandardOutput().trimmed().toInt() : -1;
}

// A list file of n entries in Windows-1252 with CR LF; every third entry has a logo
// of its own in "Sender-Logos", the others none. Every sixth logo is white on a
// transparent ground, the others coloured and half transparent.
QByteArray Liste(int n, const QString& senderLogos) {
    QByteArray bytes;
    for (int i = 1; i <= n; ++i) {
        QByteArray zeile = "Sender " + QByteArray::number(i);
        if (i % 3 == 0) {
            const QString logo = QStringLiteral("logo%1.png").arg(i);
            QImage bild(200, 100, QImage::Format_ARGB32);
            bild.fill(i % 6 == 0 ? QColor(Qt::transparent) : QColor::fromHsv(i * 7 % 360, 255, 255, 200));
            if (i % 6 == 0)
                QPainter(&bild).fillRect(60, 20, 80, 60, Qt::white);
            EXPECT_TRUE(bild.save(senderLogos + logo));
            zeile += " #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\" + logo.toLatin1();
        }
        bytes += zeile + "\r\n";
    }
    return bytes;
}

// Pixels of the plate's dark grey in the rows, each channel within 12 of 0x3C.
int Plattenpixel(const QImage& bild, int oben, int hoehe) {
    int anzahl = 0;
    for (int y = oben; y < oben + hoehe; ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            anzahl += std::max({std::abs(qRed(p) - 0x3C), std::abs(qGreen(p) - 0x3C), std::abs(qBlue(p) - 0x3C)}) <= 12;
        }
    return anzahl;
}

class DruckProgramm : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_wurzel.isValid());
        // Readable for nobody too: the program folder and the temporary folder are written by it.
        QFile::setPermissions(m_wurzel.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                   QFileDevice::ExeOther);
        m_programm = m_wurzel.filePath(QStringLiteral("Programm/"));
        m_listen = m_programm + QStringLiteral("Senvio-Listen/");
        ASSERT_TRUE(QDir().mkpath(m_listen + QStringLiteral("Sender-Logos")));
        Schreib(m_listen + QStringLiteral("Liste.lis"), Liste(61, m_listen + QStringLiteral("Sender-Logos/")));
        Schreib(m_listen + QStringLiteral("Kurz.lis"), Liste(3, m_listen + QStringLiteral("Sender-Logos/")));
        Schreib(m_listen + QStringLiteral("Leer.lis"), {});
        ASSERT_TRUE(QDir().mkpath(m_wurzel.filePath(QStringLiteral("anderswo"))));
        Schreib(m_wurzel.filePath(QStringLiteral("anderswo/Fremd.lis")), "Erster\r\nZweiter\r\n");
    }

    // qpdf and pdftoppm accept the PDF, and its pictures, inflated, are the page files
    // of the temporary folder, in page order.
    void PruefeSeitenbilder(const QString& pdf, int seiten) {
        const QString vorher = QDir::currentPath();
        ASSERT_TRUE(QDir().mkpath(m_wurzel.filePath(QStringLiteral("arbeit"))));
        QDir::setCurrent(m_wurzel.filePath(QStringLiteral("arbeit"))); // the checker's own files go beside it
        const PdfDatei datei(pdf.toStdString(), seiten);
        for (int i = 1; i <= seiten; ++i) {
            const QImage seite =
                QImage(m_listen + QStringLiteral("Temp/DINA4_%1.bmp").arg(i)).convertToFormat(QImage::Format_RGB888);
            std::string rgb;
            for (int y = 0; y < seite.height(); ++y)
                rgb.append(reinterpret_cast<const char*>(seite.constScanLine(y)), size_t(seite.width()) * 3);
            EXPECT_TRUE(!rgb.empty() && Entpacke(datei.Stream(2 * seiten + 18 + i)) == rgb) << "Seite " << i;
        }
        QDir::setCurrent(vorher);
    }

    QTemporaryDir m_wurzel;
    QString m_programm;
    QString m_listen;
};

} // namespace

TEST_F(DruckProgramm, JederModusSchreibtSeineDatei) {
    // 61 entries are two pages of four cards: 2 PDF pages, or 8 cards of 634 rows in one picture.
    for (const auto& [modus, endung] :
         {std::pair{"oben", "pdf"}, {"links", "pdf"}, {"doppel", "pdf"}, {"jpeg", "jpg"}, {"png", "png"}}) {
        SCOPED_TRACE(modus);
        const Lauf lauf = StarteDruck({QStringLiteral("--programmordner"), m_programm, QStringLiteral("--modus"),
                                       QString::fromLatin1(modus), QStringLiteral("Liste")},
                                      m_wurzel.path());
        const QString datei = m_listen + QStringLiteral("Liste.") + QString::fromLatin1(endung);
        ASSERT_EQ(lauf.rueckgabe, 0) << lauf.fehler.toStdString();
        EXPECT_EQ(lauf.aus, datei + u'\n');
        if (QByteArray(endung) == "pdf") {
            PruefeSeitenbilder(datei, 2);
            // Page 1 holds entries 1 to 60: ten plates of about 1900 pixels, and grey edges of letters.
            const QImage seite(m_listen + QStringLiteral("Temp/DINA4_1.bmp"));
            EXPECT_NEAR(Plattenpixel(seite, 0, seite.height()), 20000, 5000);
        } else {
            // Entry i in card (i − 1) div 15, row (i − 1) mod 15: only the light logos lie on the plate.
            const QImage bild(datei);
            ASSERT_EQ(bild.size(), QSize(478, 8 * 634));
            for (int i = 1; i <= 61; ++i) // about 1900 for a plate, under 70 for the grey edges of letters
                EXPECT_EQ(Plattenpixel(bild, (i - 1) / 15 * 634 + (i - 1) % 15 * 41, 41) > 1000, i % 6 == 0) << i;
        }
    }
    // The default mode is the double sleeves; the default program folder the working directory.
    QFile::remove(m_listen + QStringLiteral("Kurz.pdf"));
    const Lauf lauf = StarteDruck({QStringLiteral("Kurz")}, m_programm);
    ASSERT_EQ(lauf.rueckgabe, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.aus, m_listen + QStringLiteral("Kurz.pdf\n"));
    EXPECT_EQ(PdfSeiten(m_listen + QStringLiteral("Kurz.pdf")), 1);
    EXPECT_TRUE(QFileInfo::exists(m_listen + QStringLiteral("Temp/DINA4_1.bmp")));
}

TEST_F(DruckProgramm, MehrereListenEineFehlt) {
    // By name, missing, by a path relative to the working directory; the output of the
    // list from elsewhere goes beside the lists, under its name.
    const Lauf lauf =
        StarteDruck({QStringLiteral("--programmordner"), QStringLiteral("Programm"), QStringLiteral("--modus"),
                     QStringLiteral("png"), QStringLiteral("Kurz"), QStringLiteral("Gibtsnicht"),
                     QStringLiteral("anderswo/Fremd.lis"), QStringLiteral("Leer")},
                    m_wurzel.path());
    EXPECT_EQ(lauf.rueckgabe, 1);
    EXPECT_EQ(lauf.aus, m_listen + QStringLiteral("Kurz.png\n") + m_listen + QStringLiteral("Fremd.png\n"));
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("Datei ") + m_listen +
                                     QStringLiteral("Gibtsnicht.lis kann nicht geöffnet werden")))
        << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("Leer.lis ist leer")));
    EXPECT_EQ(QImage(m_listen + QStringLiteral("Fremd.png")).size(), QSize(478, 634));
    EXPECT_FALSE(QFileInfo::exists(m_listen + QStringLiteral("Gibtsnicht.png")));
    EXPECT_FALSE(QFileInfo::exists(m_listen + QStringLiteral("Leer.png")));
}

TEST_F(DruckProgramm, UnbeschreibbarerListenordner) {
    // The temporary folder can be written, the lists folder cannot: the cards are made,
    // the PDF is refused, and nothing half written is left beside the lists.
    ASSERT_TRUE(QDir().mkpath(m_listen + QStringLiteral("Temp")));
    const auto alle = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                      QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    QFile::setPermissions(m_programm, alle);
    QFile::setPermissions(m_listen + QStringLiteral("Temp"), alle);
    QFile::setPermissions(m_listen, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                        QFileDevice::ExeOther);
    const QStringList vorher = QDir(m_listen).entryList(QDir::Files);

    const Lauf lauf =
        StarteDruck({QStringLiteral("--programmordner"), m_programm, QStringLiteral("Kurz")}, m_wurzel.path(), true);
    EXPECT_EQ(lauf.rueckgabe, 1);
    EXPECT_EQ(lauf.aus, QString());
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("Datei ") + m_listen +
                                     QStringLiteral("Kurz.pdf kann nicht erstellt werden")))
        << lauf.fehler.toStdString();
    EXPECT_EQ(QDir(m_listen).entryList(QDir::Files), vorher);
    QFile::setPermissions(m_listen, alle);
}

TEST_F(DruckProgramm, FalscherAufruf) {
    const QString ordner = QStringLiteral("--programmordner");
    for (const auto& [argumente, text] :
         {std::pair{QStringList{QStringLiteral("--modus"), QStringLiteral("quer"), QStringLiteral("Kurz")},
                    QStringLiteral("Unbekannter Modus \"quer\"")},
          {QStringList{}, QStringLiteral("keine Liste")},
          {QStringList{ordner, m_wurzel.path(), QStringLiteral("Kurz")}, QStringLiteral("nicht vorhanden")}}) {
        const Lauf lauf = StarteDruck(argumente, m_programm);
        EXPECT_NE(lauf.rueckgabe, 0);
        EXPECT_TRUE(lauf.fehler.contains(text)) << lauf.fehler.toStdString();
        EXPECT_EQ(lauf.aus, QString());
    }
    const Lauf hilfe = StarteDruck({QStringLiteral("--help")}, m_programm);
    EXPECT_EQ(hilfe.rueckgabe, 0);
    EXPECT_TRUE(hilfe.aus.startsWith(QStringLiteral("Aufruf: senvio-druck")));
}

TEST_F(DruckProgramm, ZuLangFuerJpeg) {
    // 1,600 entries are 27 pages of four cards, 68,472 rows: more than a JPEG can hold.
    // The refusal comes before anything is drawn or written.
    QByteArray bytes;
    for (int i = 1; i <= 1600; ++i)
        bytes += "Sender " + QByteArray::number(i) + "\r\n";
    Schreib(m_listen + QStringLiteral("Lang.lis"), bytes);
    const Lauf lauf =
        StarteDruck({QStringLiteral("--modus"), QStringLiteral("jpeg"), QStringLiteral("Lang")}, m_programm);
    EXPECT_EQ(lauf.rueckgabe, 1);
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("68472"))) << lauf.fehler.toStdString();
    EXPECT_FALSE(QFileInfo::exists(m_listen + QStringLiteral("Lang.jpg")));
    EXPECT_TRUE(QDir(m_listen + QStringLiteral("Temp")).isEmpty());
}
