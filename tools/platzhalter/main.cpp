// platzhalter-generator ZIELORDNER: draws the five placeholder pictures OhneImage0.png
// to OhneImage4.png, 200 × 100 pixels: white ground, a rounded frame and the words
// "ohne Logo" in DejaVu Serif, frame and words in the picture's colour. Run once; the
// pictures are kept in the repository so that they look the same on every machine.
#include <QColor>
#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <cstdio>

namespace {

const std::array<QColor, 5> PlatzhalterFarben = {QColor(0, 0, 0), QColor(0, 162, 232), QColor(255, 201, 14),
                                                 QColor(237, 28, 36), QColor(181, 230, 29)};

QImage ZeichnePlatzhalter(const QColor& farbe, const QFont& schrift) {
    QImage bild(200, 100, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(farbe, 4));
    maler.setBrush(Qt::NoBrush);
    maler.drawRoundedRect(QRectF(5, 5, 190, 90), 16, 16);
    maler.setFont(schrift);
    maler.drawText(QRect(0, 0, 200, 100), Qt::AlignCenter, QStringLiteral("ohne Logo"));
    return bild;
}

void Melde(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // draws into pictures only, needs no display
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        Melde(QStringLiteral("Aufruf: platzhalter-generator ZIELORDNER"));
        return 1;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    if (!ziel.mkpath(QStringLiteral("."))) {
        Melde(QStringLiteral("Kann den Ordner %1 nicht anlegen.").arg(ziel.path()));
        return 1;
    }
    QFont schrift(QStringLiteral("DejaVu Serif"));
    schrift.setPixelSize(30);
    if (QFontInfo(schrift).family() != QStringLiteral("DejaVu Serif")) {
        Melde(QStringLiteral("Die Schrift DejaVu Serif fehlt (Paket fonts-dejavu-core)."));
        return 1;
    }
    for (int k = 0; k < int(PlatzhalterFarben.size()); ++k) {
        const QString datei = ziel.filePath(QStringLiteral("OhneImage%1.png").arg(k));
        if (!ZeichnePlatzhalter(PlatzhalterFarben[k], schrift).save(datei, "PNG")) {
            Melde(QStringLiteral("Kann %1 nicht schreiben.").arg(datei));
            return 1;
        }
    }
    return 0;
}
