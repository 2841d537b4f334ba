// The integration tests' entry point: like any host, the test program creates
// its main window before the plug-in is loaded.
#include <gtest/gtest.h>

#include "host_windows.h"

int main(int argc, char** argv) {
    quorhost::TheHostWindows();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
