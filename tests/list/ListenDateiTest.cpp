#include "list/ListenDatei.h"
#include "platform/Fehler.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

namespace {

QStringList Zeilen(std::initializer_list<const char*> utf8) {
    QStringList l;
    for (const char* z : utf8) {
        l << QString::fromUtf8(z);
    }
    return l;
}

// A device that takes a limited number of bytes and then refuses.
class VolleDatei : public QIODevice {
public:
    explicit VolleDatei(qint64 platz) : m_platz(platz) { open(QIODevice::WriteOnly); }
    QByteArray inhalt;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 laenge) override {
        if (laenge > m_platz - inhalt.size()) {
            return -1;
        }
        inhalt.append(daten, laenge);
        return laenge;
    }

private:
    qint64 m_platz;
};

} // namespace

TEST(ListeLesen, AchtBitMitZeilenendenAllerArt) {
    // CR LF, LF, CR, VT, FF, then a last line without line end; E4 is "ä" in Windows-1252.
    const GeleseneListe g = DekodiereListe("a\r\nb\nc\rd\x0B"
                                           "e\x0C\xE4\x80");
    EXPECT_FALSE(g.unicode);
    EXPECT_EQ(g.zeilen, Zeilen({"a", "b", "c", "d", "e", "ä€"}));
}

TEST(ListeLesen, LeereZeilenUndLetztesZeilenende) {
    EXPECT_EQ(DekodiereListe("a\r\n").zeilen, Zeilen({"a"}));
    EXPECT_EQ(DekodiereListe("a\r\n\r\n").zeilen, Zeilen({"a", ""}));
    // LF CR is two line ends, CR CR LF too.
    EXPECT_EQ(DekodiereListe("a\n\rb\r\r\nc").zeilen, Zeilen({"a", "", "b", "", "c"}));
    EXPECT_EQ(DekodiereListe("\r\n").zeilen, Zeilen({""}));
    EXPECT_TRUE(DekodiereListe(QByteArray()).zeilen.isEmpty());
    EXPECT_FALSE(DekodiereListe(QByteArray()).unicode);
    // One byte: 8-bit text, even FF.
    const GeleseneListe eins = DekodiereListe(Bytes({0xFF}));
    EXPECT_FALSE(eins.unicode);
    EXPECT_EQ(eins.zeilen, Zeilen({"ÿ"}));
}

TEST(ListeLesen, NullBeendetDenText) {
    EXPECT_EQ(DekodiereListe(QByteArray("ab\r\ncd\0ef\r\ngh", 14)).zeilen, Zeilen({"ab", "cd"}));
    EXPECT_EQ(DekodiereListe(Bytes({0xFF, 0xFE, 'a', 0, '\n', 0, 'b', 0, 0, 0, 'c', 0})).zeilen, Zeilen({"a", "b"}));
}

TEST(ListeLesen, Utf8ByteOrderMarkWirdZuDreiZeichen) {
    const GeleseneListe g = DekodiereListe("\xEF\xBB\xBFZDF\r\n");
    EXPECT_FALSE(g.unicode);
    EXPECT_EQ(g.zeilen, Zeilen({"ï»¿ZDF"}));
}

TEST(ListeLesen, Utf16KleinUndGrossEndian) {
    // "Ж" is U+0416, "😀" is D83D DE00; U+2028 and U+2029 end lines too.
    const QByteArray le =
        Bytes({0xFF, 0xFE, 0x16, 0x04, 'a',  0,    0x28, 0x20, 'b', 0,  0x29,
               0x20, 0x3D, 0xD8, 0x00, 0xDE, '\r', 0,    '\n', 0,   'x'}); // the odd last byte is ignored
    const GeleseneListe g = DekodiereListe(le);
    EXPECT_TRUE(g.unicode);
    EXPECT_EQ(g.zeilen, Zeilen({"Жa", "b", "😀"}));

    const QByteArray be = Bytes({0xFE, 0xFF, 0x04, 0x16, 0, '\r', 0, 'c', 0, '\n'});
    const GeleseneListe h = DekodiereListe(be);
    EXPECT_TRUE(h.unicode);
    EXPECT_EQ(h.zeilen, Zeilen({"Ж", "c"}));

    // Just the mark: an empty Unicode list.
    const GeleseneListe leer = DekodiereListe(Bytes({0xFF, 0xFE}));
    EXPECT_TRUE(leer.unicode);
    EXPECT_TRUE(leer.zeilen.isEmpty());
}

TEST(ListeSchreiben, AchtBitMitCrLfNachJederZeile) {
    EXPECT_EQ(KodiereListe(Zeilen({"    1   = ARD #png#", "    2   = Süd", ""}), false),
              QByteArray("    1   = ARD #png#\r\n    2   = S\xFC"
                         "d\r\n\r\n"));
    EXPECT_EQ(KodiereListe({}, false), QByteArray());
}

TEST(ListeSchreiben, Utf16KleinEndianMitMarke) {
    EXPECT_EQ(KodiereListe(Zeilen({"Ж", "😀"}), true),
              Bytes({0xFF, 0xFE, 0x16, 0x04, '\r', 0, '\n', 0, 0x3D, 0xD8, 0x00, 0xDE, '\r', 0, '\n', 0}));
    EXPECT_EQ(KodiereListe({}, true), Bytes({0xFF, 0xFE}));
}

TEST(ListeSchreiben, NichtDarstellbaresErzwingtUtf16) {
    SenderListe l;
    l.HaengeAn(QStringLiteral("    1   = ARD #png#"));
    EXPECT_FALSE(BrauchtUnicode(l));
    l.HaengeAn(QString::fromUtf8("    2   = Ж #png#"));
    EXPECT_TRUE(BrauchtUnicode(l));

    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(SchreibeListe(puffer, l));
    EXPECT_EQ(puffer.data().left(4), Bytes({0xFF, 0xFE, ' ', 0}));
}

TEST(ListeSchreiben, GeraetDasVerweigert) {
    SenderListe l;
    l.SetzeZeilen(Zeilen({"abc", "def"}));
    VolleDatei voll(5);
    EXPECT_FALSE(SchreibeListe(voll, l));
    VolleDatei genug(10);
    EXPECT_TRUE(SchreibeListe(genug, l));
    EXPECT_EQ(genug.inhalt, QByteArray("abc\r\ndef\r\n"));
}

class ListenDateiTest : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    QString Pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }
};

TEST_F(ListenDateiTest, UnicodeFlagFolgtDerGelesenenDatei) {
    SenderListe l;
    // FF FE in, FF FE out.
    Schreib(Pfad("le.lis"), Bytes({0xFF, 0xFE, 'A', 0, '\n', 0}));
    LeseListendatei(Pfad("le.lis"), l);
    EXPECT_TRUE(l.IstUnicode());
    SchreibeListendatei(Pfad("le2.lis"), l);
    EXPECT_EQ(Lies(Pfad("le2.lis")), Bytes({0xFF, 0xFE, 'A', 0, '\r', 0, '\n', 0}));

    // FE FF in, FF FE out.
    Schreib(Pfad("be.lis"), Bytes({0xFE, 0xFF, 0, 'B'}));
    LeseListendatei(Pfad("be.lis"), l);
    EXPECT_TRUE(l.IstUnicode());
    SchreibeListendatei(Pfad("be2.lis"), l);
    EXPECT_EQ(Lies(Pfad("be2.lis")), Bytes({0xFF, 0xFE, 'B', 0, '\r', 0, '\n', 0}));

    // An empty file clears the flag; the empty list is written as 0 bytes.
    Schreib(Pfad("leer.lis"), QByteArray());
    LeseListendatei(Pfad("leer.lis"), l);
    EXPECT_FALSE(l.IstUnicode());
    EXPECT_EQ(l.Anzahl(), 0);
    SchreibeListendatei(Pfad("leer2.lis"), l);
    EXPECT_EQ(Lies(Pfad("leer2.lis")), QByteArray());
}

TEST_F(ListenDateiTest, AchtBitBleibtByteFuerByte) {
    // LF and CR LF mixed in; written back with CR LF, every byte else as read.
    QByteArray alt("    1   = ARD #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\ard.png\n"
                   "    2   = S\xFC"
                   "dwest \x80\x81 #png#Ohne Logo2.png\r\n");
    Schreib(Pfad("a.lis"), alt);
    SenderListe l;
    LeseListendatei(Pfad("a.lis"), l);
    ASSERT_EQ(l.Anzahl(), 2);
    SchreibeListendatei(Pfad("a.lis"), l);
    alt.replace("png\n", "png\r\n");
    EXPECT_EQ(Lies(Pfad("a.lis")), alt);
    EXPECT_FALSE(l.IstUnicode());
}

TEST_F(ListenDateiTest, ListeMitFremdenZeichenWirdUtf16UndBehaeltSie) {
    SenderListe l;
    l.SetzeZeilen(Zeilen({"    1   = Первый #png#"}));
    ASSERT_FALSE(l.IstUnicode());
    SchreibeListendatei(Pfad("r.lis"), l);
    EXPECT_TRUE(l.IstUnicode());
    const QByteArray erwartet =
        Bytes({0xFF, 0xFE, ' ', 0,   ' ', 0,    ' ',  0,    ' ',  0,    '1',  0,    ' ',  0,    ' ',  0,    ' ',
               0,    '=',  0,   ' ', 0,   0x1F, 0x04, 0x35, 0x04, 0x40, 0x04, 0x32, 0x04, 0x4B, 0x04, 0x39, 0x04,
               ' ',  0,    '#', 0,   'p', 0,    'n',  0,    'g',  0,    '#',  0,    '\r', 0,    '\n', 0});
    EXPECT_EQ(Lies(Pfad("r.lis")), erwartet);
    SenderListe wieder;
    LeseListendatei(Pfad("r.lis"), wieder);
    EXPECT_EQ(wieder.Zeilen(), l.Zeilen());
}

TEST_F(ListenDateiTest, NichtLesbareDateiLaesstDieListeStehen) {
    SenderListe l;
    l.SetzeZeilen(Zeilen({"alt"}));
    l.SetzeUnicode(true);
    try {
        LeseListendatei(Pfad("fehlt.lis"), l);
        FAIL() << "kein Fehler";
    } catch (const DateiFehler& f) {
        EXPECT_EQ(f.meldung(),
                  QStringLiteral("Datei ") + Pfad("fehlt.lis") + QStringLiteral(" kann nicht geöffnet werden"));
    }
    ASSERT_TRUE(QDir().mkdir(Pfad("ordner.lis")));
    EXPECT_THROW(LeseListendatei(Pfad("ordner.lis"), l), DateiFehler);
    // A pipe is refused at once instead of being read until it ends.
    ASSERT_EQ(mkfifo(Pfad("rohr.lis").toUtf8().constData(), 0600), 0);
    EXPECT_THROW(LeseListendatei(Pfad("rohr.lis"), l), DateiFehler);
    EXPECT_EQ(l.Zeilen(), Zeilen({"alt"}));
    EXPECT_TRUE(l.IstUnicode());
}

TEST_F(ListenDateiTest, FehlgeschlagenesSpeichernAendertNichts) {
    SenderListe l;
    l.SetzeZeilen(Zeilen({"    1   = Ж #png#"}));
    const QString ziel = Pfad("fehlt/x.lis");
    try {
        SchreibeListendatei(ziel, l);
        FAIL() << "kein Fehler";
    } catch (const DateiFehler& f) {
        EXPECT_EQ(f.meldung(), QStringLiteral("Datei ") + ziel + QStringLiteral(" kann nicht erstellt werden"));
    }
    EXPECT_FALSE(l.IstUnicode()); // the flag is only set by a save that worked
    EXPECT_FALSE(QFileInfo::exists(ziel));

    // A folder in the list file's place stays a folder.
    ASSERT_TRUE(QDir().mkdir(Pfad("ordner.lis")));
    EXPECT_THROW(SchreibeListendatei(Pfad("ordner.lis"), l), DateiFehler);
    EXPECT_TRUE(QFileInfo(Pfad("ordner.lis")).isDir());
}

TEST_F(ListenDateiTest, UtfDateinamen) {
    SenderListe l;
    l.SetzeZeilen(Zeilen({"a"}));
    const QString name = Pfad("Österreich Спорт.lis");
    SchreibeListendatei(name, l);
    SenderListe wieder;
    LeseListendatei(name, wieder);
    EXPECT_EQ(wieder.Zeilen(), Zeilen({"a"}));
}
