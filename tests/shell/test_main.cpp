// The window tests' entry point: the application object that owns their
// dialogs, and the common controls that the main dialog's template needs.
#include <gtest/gtest.h>

#include "platform.h"

int main(int argc, char** argv) {
    CWinApp app;
    InitCommonControls();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
