// Test executables that draw need an application object (fonts, painting). Listing
// the tests, as ctest does at build time, needs none.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    bool nurAuflisten = false;
    for (int i = 1; i < argc; ++i)
        nurAuflisten = nurAuflisten || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    std::unique_ptr<QApplication> anwendung;
    if (!nurAuflisten)
        anwendung = std::make_unique<QApplication>(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
