// senvio-demo ZIELORDNER: makes a demo program folder for Senvio (see DemoOrdner.h).
#include "DemoOrdner.h"

#include "platform/Fehler.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // draws into pictures only, needs no display
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: senvio-demo ZIELORDNER\n");
        return 1;
    }
    try {
        senvio::demo::ErstelleDemoOrdner(QString::fromLocal8Bit(argv[1]), QStringLiteral(SENVIO_HILFE_PDF));
    } catch (...) {
        std::fprintf(stderr, "senvio-demo: %s\n", senvio::MeldungDerAusnahme(std::current_exception()).c_str());
        return 1;
    }
    return 0;
}
