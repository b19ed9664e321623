// The window tests' entry point, with the program's own application object,
// which owns their dialogs. Nothing registers the common control classes
// here: the start-up test sees the program ask for them itself, and under
// Wine the library registers every class as it loads.
#include <gtest/gtest.h>

#include "picker_app.h"
#include "results_printer.h"

int main(int argc, char** argv) {
    CPickerApp app;
    ::testing::InitGoogleTest(&argc, argv);
    huevane_test::PrintResultsToStandardOutputOnly();
    return RUN_ALL_TESTS();
}
