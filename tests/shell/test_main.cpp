// The window tests' entry point: the application object that owns their
// dialogs, and the common controls that the main dialog's template needs.
#include <gtest/gtest.h>

#include "common_controls.h"
#include "platform.h"
#include "results_printer.h"

int main(int argc, char** argv) {
    CWinApp app;
    InitCommonControls();
    RegisterCommonControlClasses();
    ::testing::InitGoogleTest(&argc, argv);
    huevane_test::PrintResultsToStandardOutputOnly();
    return RUN_ALL_TESTS();
}
