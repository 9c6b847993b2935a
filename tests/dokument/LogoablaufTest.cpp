// The finds the review of the automatic logos shows: what an entry shows today, and what it is
// proposed.
#include "dokument/Logoablauf.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace senvio;
using namespace Qt::StringLiterals;

namespace {

// A placeholder is no logo file of the entry's own, even where a file of its name lies in the
// program folder: the review draws it and offers the logo found. A real logo file of its own is
// named, and the review shows that file.
TEST(Logoablauf, PlatzhalterIstKeinEigenesLogo) {
    QTemporaryDir wurzel;
    const ProgrammOrdner ordner(wurzel.path());
    ASSERT_TRUE(QDir().mkpath(ordner.logoWurzel + u"ZDF-Gruppe"_s) && QDir().mkpath(ordner.senderLogos));
    QImage rot(80, 60, QImage::Format_RGB32), blau(80, 60, QImage::Format_RGB32);
    rot.fill(Qt::red);
    blau.fill(Qt::blue);
    ASSERT_TRUE(rot.save(ordner.logoWurzel + u"ZDF-Gruppe/zdf.png"_s) &&
                rot.save(ordner.programm + u"Ohne Logo1.png"_s) && blau.save(ordner.senderLogos + u"/eigenes.png"_s));

    Listendokument dokument(ordner);
    dokument.BeginneNeu(u"Liste"_s);
    dokument.Aendere({}, [](Listenaenderung& a) {
        a.HaengeAn(u"    1   = ZDF #png#Ohne Logo1.png"_s);
        a.HaengeAn(u"    2   = ZDF HD #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\eigenes.png"_s);
    });
    const Logobestand bestand = LeseLogobestand(ordner.logoWurzel, ordner.senderLogos);
    QList<Pruefeintrag> funde = FindeLogos(dokument, bestand, 0, 2);
    ZeichneBisherigeLogos(funde, dokument);

    ASSERT_EQ(funde.size(), 2);
    EXPECT_EQ(funde[0].titel, u"Nr. 1  ZDF"_s);
    EXPECT_EQ(funde[0].bisherDatei, QString());
    EXPECT_FALSE(funde[0].bisher.isNull());
    EXPECT_EQ(funde[1].bisherDatei, ordner.senderLogos + u"/eigenes.png"_s);
    EXPECT_TRUE(funde[1].bisher.isNull());
    for (const Pruefeintrag& fund : funde) {
        ASSERT_FALSE(fund.entscheidung.vorschlaege.isEmpty());
        EXPECT_EQ(bestand.Dateien().at(fund.entscheidung.vorschlaege.first().datei).pfad,
                  ordner.logoWurzel + u"ZDF-Gruppe/zdf.png"_s);
    }
}

// Radio the import knew is not offered the television's logo by its first word, also when the
// television entry stands before the rows sought (an import appended); an entry of unknown kind is.
TEST(Logoablauf, RadioNichtMitDemLogoDesFernsehens) {
    QTemporaryDir wurzel;
    const ProgrammOrdner ordner(wurzel.path());
    QImage blau(800, 450, QImage::Format_ARGB32);
    blau.fill(Qt::blue);
    ASSERT_TRUE(QDir().mkpath(ordner.logoWurzel + u"ARD"_s) && blau.save(ordner.logoWurzel + u"ARD/ndr.png"_s));
    Listendokument dokument(ordner);
    dokument.BeginneNeu(u"Liste"_s);
    dokument.Aendere({}, [](Listenaenderung& a) {
        for (const QString& name : {u"NDR FS NDS HD"_s, u"NDR 90,3"_s, u"NDR Info"_s})
            a.HaengeAn(u"    1   = "_s + name + u" #png#"_s);
        a.SetzeHerkunft(1, {u"1:0:2:6F:3F4:1:C00000:0:0:0:"_s, {}, u"NDR 90,3"_s, true});
    });
    const QList<Pruefeintrag> funde = FindeLogos(dokument, LeseLogobestand(ordner.logoWurzel, {}), 1, 3);
    ASSERT_EQ(funde.size(), 1);
    EXPECT_EQ(funde[0].name, u"NDR Info"_s);
}

} // namespace
