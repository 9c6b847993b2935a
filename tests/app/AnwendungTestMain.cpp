// The GUI tests need one application object for the whole run. Listing the tests
// (as ctest does at build time, without a display) needs none.
#include "app/Fehlerbehandlung.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    bool nurAuflisten = false;
    for (int i = 1; i < argc; ++i)
        nurAuflisten = nurAuflisten || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    std::unique_ptr<senvio::SenvioAnwendung> anwendung;
    if (!nurAuflisten)
        anwendung = std::make_unique<senvio::SenvioAnwendung>(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
