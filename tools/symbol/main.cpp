// senvio-symbol BILD.svg GROESSE AUSGABE.png: draws the program's icon at one size,
// for the icon theme of the package.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // draws into a picture only, needs no display
    QGuiApplication anwendung(argc, argv);
    const QStringList argumente = anwendung.arguments();
    bool zahl = false;
    const int groesse = argumente.size() == 4 ? argumente[2].toInt(&zahl) : 0;
    if (!zahl || groesse < 1 || groesse > 4096) {
        std::fprintf(stderr, "Aufruf: senvio-symbol BILD.svg GROESSE AUSGABE.png\n");
        return 2;
    }
    QSvgRenderer svg(argumente[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "senvio-symbol: %s ist kein lesbares SVG-Bild.\n", qPrintable(argumente[1]));
        return 1;
    }
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    svg.render(&maler);
    maler.end();
    if (!bild.save(argumente[3], "PNG")) {
        std::fprintf(stderr, "senvio-symbol: Kann %s nicht schreiben.\n", qPrintable(argumente[3]));
        return 1;
    }
    return 0;
}
