// The print and picture commands of the main window.
#include "ProgrammOrdnerFixture.h"
#include "pdf/PdfPruefung.h"

#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>

using namespace senvio;
using namespace senvio::test;

using Ausgabe = ProgrammOrdnerTest;

TEST_F(Ausgabe, DruckenUndBildOeffnenIhreDateien) {
    StarteMit(ListeMit(16), u"Liste"_s);
    Ansicht().WaehleZeile(2);
    Befehl("DruckenOben1");
    const QString pdf = Pfad(u"Senvio-Listen/Liste.pdf"_s);
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), QStringList{pdf});
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
    EXPECT_TRUE(Lies(pdf).startsWith("%PDF-1.4"));
    EXPECT_FALSE(Ansicht().selectionModel()->hasSelection());
    // No entry is left selected.
    Ansicht().WaehleZeile(0);
    Befehl("PNGDatei1");
    const QString png = Pfad(u"Senvio-Listen/Liste.png"_s);
    EXPECT_EQ(Dialoge::GeoeffneteDokumente(), QStringList({pdf, png}));
    EXPECT_EQ(QImage(png).size(), QSize(478, 2 * 634));
    EXPECT_FALSE(Ansicht().selectionModel()->hasSelection());
}

TEST_F(Ausgabe, LeereListe) {
    StarteMit(ListeMit(0), u"Liste"_s);
    // No picture and no PDF, nothing opened, which the user is told.
    Befehl("JPEGDatei1");
    Befehl("DruckenDoppel1");
    EXPECT_FALSE(QFileInfo::exists(Pfad(u"Senvio-Listen/Liste.jpg"_s)));
    EXPECT_FALSE(QFileInfo::exists(Pfad(u"Senvio-Listen/Liste.pdf"_s)));
    EXPECT_TRUE(Dialoge::GeoeffneteDokumente().isEmpty());
    EXPECT_EQ(Meldungen(), QStringList({u"Information: Die Liste ist leer. Es wurde kein Bild gespeichert."_s,
                                        u"Information: Die Liste ist leer. Es wurde nichts gedruckt."_s}));
}

// 60 entries make a 966 × 1278 page picture, placed 792.88 × 1106.272 units below the top strip, so that its cut
// lines print at 105 and 148 mm (worked out in SeitenpdfTest; put on A4 paper at 0.75 points a unit),
// also on a screen of more (ctest runs this again with the font DPI at 120 and no scaling).
TEST_F(Ausgabe, DruckseiteFuelltDasBlattAufJedemSchirm) {
    if (const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI")) {
        ASSERT_EQ(QGuiApplication::primaryScreen()->logicalDotsPerInch(), dpi);
    }
    StarteMit(ListeMit(60), u"Liste"_s);
    Befehl("DruckenDoppel1");
    // The first stream is page 1's content; its data runs up to "endstream".
    const std::string pdf = Lies(Pfad(u"Senvio-Listen/Liste.pdf"_s)).toStdString();
    const std::size_t daten = pdf.find("stream\r\n") + 8;
    const std::string inhalt = Entpacke(std::string_view(pdf).substr(daten, pdf.find("endstream", daten) - daten));
    EXPECT_TRUE(inhalt.starts_with(Zeilen({"0.75 0 0 0.75 0 0 cm", "q", "792.88 0 0 1106.272 0 9.728 cm", "/Im1 Do"})))
        << inhalt.substr(0, 60) << " (PDF von " << pdf.size()
        << " Bytes; Meldungen: " << Meldungen().join(u" | "_s).toStdString() << ")";
}

TEST_F(Ausgabe, KarteNichtSchreibbar) {
    // A card that cannot be written ends the command in the error box, with no viewer.
    StarteMit(ListeMit(1), u"Liste"_s);
    ASSERT_TRUE(QDir(Pfad(u"Senvio-Listen/Temp"_s)).removeRecursively());
    Schreib(Pfad(u"Senvio-Listen/Temp"_s), "kein Ordner");
    Befehl("DruckenLinks1");
    EXPECT_EQ(Meldungen(), QStringList{u"Senvio-Liste: Datei "_s + Pfad(u"Senvio-Listen/Temp/BildNr1_1.bmp"_s) +
                                       u" kann nicht erstellt werden."_s});
    EXPECT_TRUE(Dialoge::GeoeffneteDokumente().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Pfad(u"Senvio-Listen/Liste.pdf"_s)));
    // A run that fails late (the PDF cannot take the place of a folder) leaves no card or page behind.
    ASSERT_TRUE(QFile::remove(Pfad(u"Senvio-Listen/Temp"_s)) && QDir().mkpath(Pfad(u"Senvio-Listen/Liste.pdf/x"_s)));
    ASSERT_TRUE(QDir().mkpath(Pfad(u"Senvio-Listen/Temp"_s)));
    Befehl("DruckenLinks1");
    EXPECT_EQ(Meldungen().size(), 2);
    EXPECT_TRUE(QDir(Pfad(u"Senvio-Listen/Temp"_s)).isEmpty(QDir::Files));
}

// "Drucken...": the choices first, then the system's print dialog, here printing into a PDF file. 61 entries are five
// cards; from card 4 the first sheet takes only card 1 (entries 1 to 15), the second the rest. The preview asks for the
// start card again from 1 and draws two sheets; "Abbrechen" after the first sheet prints no second one.
TEST_F(Ausgabe, DirektDruckenUndVorschau) {
    StarteMit(ListeMit(61), u"Liste"_s);
    const QString pdf = Pfad(u"direkt.pdf"_s);
    const auto drucken = [&](int start, int abbruch) {
        Dialoge::SetzeNaechstenDialog([start](QDialog& wahl) {
            wahl.findChild<QRadioButton*>(u"Doppelhuellen"_s)->setChecked(true);
            wahl.findChild<QSpinBox*>(u"StartKarte"_s)->setValue(start);
            return int(QDialog::Accepted);
        });
        Dialoge::SetzeNaechstenDialog([&](QDialog& dialog) {
            static_cast<QPrintDialog&>(dialog).printer()->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        });
        Dialoge::SetzeAbbruchBeiSchritt(abbruch);
        Befehl("Drucken1");
        EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
    };
    const auto text = [&](int seite) {
        const QString s = QString::number(seite);
        return StarteProgramm(u"pdftotext"_s, {u"-f"_s, s, u"-l"_s, s, pdf, u"-"_s}).aus;
    };
    drucken(4, 0);
    EXPECT_TRUE(StarteProgramm(u"pdfinfo"_s, {pdf}).aus.contains(u"Pages:           2\n"_s));
    EXPECT_TRUE(text(1).contains(u"15 = O"_s) && !text(1).contains(u"16 = P"_s)) << text(1).toStdString();
    EXPECT_TRUE(text(2).contains(u"16 = P"_s) && text(2).contains(u"61 = I"_s)) << text(2).toStdString();

    int startKarte = 0, seiten = 0;
    Dialoge::SetzeNaechstenDialog([&](QDialog& wahl) {
        startKarte = wahl.findChild<QSpinBox*>(u"StartKarte"_s)->value();
        return int(QDialog::Accepted);
    });
    Dialoge::SetzeNaechstenDialog([&](QDialog& vorschau) {
        auto* seitenbild = vorschau.findChild<QPrintPreviewWidget*>();
        seitenbild->updatePreview();
        seiten = seitenbild->pageCount();
        return int(QDialog::Accepted);
    });
    Befehl("Druckvorschau1");
    EXPECT_EQ(startKarte, 1);
    EXPECT_EQ(seiten, 2); // 61 entries, five cards

    drucken(1, 2);
    EXPECT_TRUE(StarteProgramm(u"pdfinfo"_s, {pdf}).aus.contains(u"Pages:           1\n"_s));
}

// Large print through the window: a short name given in "Eintrag bearbeiten", the back side from the preset of a
// brand in "Einstellung" › "Rückseite...", then "Drucken..." with "Großdruck" and "Rückseite drucken": one sheet of
// two cards (entries 1 to 10, 11 and 12) and its back sheet.
TEST_F(Ausgabe, GrossdruckMitKurznameUndRueckseite) {
    StarteMit(ListeMit(12), u"Liste"_s);
    Ansicht().WaehleZeile(1);
    Dialoge::SetzeNaechstenDialog([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(u"KurznameEdit"_s)->setText(u"Zweites Deutsches"_s);
        return int(QDialog::Accepted);
    });
    Befehl("Eintragbearbeiten1");
    Dialoge::SetzeNaechstenDialog([](QDialog& dialog) {
        dialog.findChild<QComboBox*>(u"Vorlage"_s)->setCurrentText(u"Samsung"_s);
        dialog.findChild<QPushButton*>(u"VorlageUebernehmen"_s)->click();
        dialog.findChild<QLineEdit*>(u"Wirkung7"_s)->setText(u"Anna 0171 2345678"_s);
        return int(QDialog::Accepted);
    });
    Befehl("Rueckseite1");
    const QString pdf = Pfad(u"gross.pdf"_s);
    Dialoge::SetzeNaechstenDialog([](QDialog& wahl) {
        wahl.findChild<QRadioButton*>(u"Grossdruck"_s)->setChecked(true);
        wahl.findChild<QCheckBox*>(u"Rueckseite"_s)->setChecked(true);
        return int(QDialog::Accepted);
    });
    Dialoge::SetzeNaechstenDialog([&](QDialog& dialog) {
        static_cast<QPrintDialog&>(dialog).printer()->setOutputFileName(pdf);
        return int(QDialog::Accepted);
    });
    Befehl("Drucken1");
    EXPECT_TRUE(Dialoge::Meldungen().isEmpty());
    const auto text = [&](int seite) {
        const QString s = QString::number(seite);
        return StarteProgramm(u"pdftotext"_s, {u"-f"_s, s, u"-l"_s, s, pdf, u"-"_s}).aus.simplified();
    };
    EXPECT_TRUE(StarteProgramm(u"pdfinfo"_s, {pdf}).aus.contains(u"Pages:           2\n"_s));
    EXPECT_TRUE(text(1).contains(u"Liste 1–10"_s) && text(1).contains(u"11–12"_s)) << text(1).toStdString();
    EXPECT_TRUE(text(1).contains(u"Zweites Deutsches"_s) && !text(1).contains(u" B "_s)) << text(1).toStdString();
    EXPECT_EQ(text(2).count(u"Kein Bild / Kein Signal: Taste SOURCE, dann „TV“"_s), 2) << text(2).toStdString();
    EXPECT_EQ(text(2).count(u"Hilfe: Anna 0171 2345678"_s), 2);
}

TEST_F(Ausgabe, DirektdruckWieBeiStandardgroesseDesFensters) {
    TMainForm& haupt = StarteMit(ListeMit(20), u"Liste"_s);
    // The words of the printed sheets and where they stand.
    const auto drucke = [&](const QString& pdf) {
        Dialoge::SetzeNaechstenDialog([](QDialog&) { return int(QDialog::Accepted); });
        Dialoge::SetzeNaechstenDialog([&](QDialog& dialog) {
            static_cast<QPrintDialog&>(dialog).printer()->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        });
        Befehl("Drucken1");
        QStringList woerter;
        for (const QString& zeile : StarteProgramm(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s}).aus.split(u'\n'))
            if (zeile.contains(u"<word"_s))
                woerter << zeile;
        return woerter;
    };
    const QStringList standard = drucke(Pfad(u"standard.pdf"_s));
    EXPECT_GT(standard.size(), 20);
    haupt.resize(haupt.size() + QSize(300, 0));
    QApplication::processEvents();
    ASSERT_GT(Ansicht().viewport()->width(), Ansicht().Standardbreite());
    EXPECT_EQ(drucke(Pfad(u"breit.pdf"_s)), standard);
}
