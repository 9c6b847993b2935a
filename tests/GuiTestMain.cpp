// Test executables that draw or show windows need an application object (fonts,
// painting); the main window's tests need the program's own, which shows uncaught
// errors and runs the message filter. Listing the tests, as ctest does at build
// time without a display, needs none.
#ifdef SENVIO_TEST_MIT_PROGRAMM
#include "app/Fehlerbehandlung.h"
using Anwendung = senvio::SenvioAnwendung;
#else
#include <QApplication>
using Anwendung = QApplication;
#endif

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    bool nurAuflisten = false;
    for (int i = 1; i < argc; ++i)
        nurAuflisten = nurAuflisten || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    std::unique_ptr<Anwendung> anwendung;
    if (!nurAuflisten)
        anwendung = std::make_unique<Anwendung>(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
