// The window tests' entry point, with the program's own application object,
// which owns their dialogs, and, as the program's entry point, the filter of
// posted pointer messages for the thread's whole life, so that the dialogs
// behave here as shipped. Nothing registers the common control classes
// here: the start-up test sees the program ask for them itself, and under
// Wine the library registers every class as it loads.
#include <gtest/gtest.h>

#include "picker_app.h"
#include "results_printer.h"

int main(int argc, char** argv) {
    return RunFiltered([&] {
        CPickerApp app;
        ::testing::InitGoogleTest(&argc, argv);
        huevane_test::PrintResultsToStandardOutputOnly();
        return RUN_ALL_TESTS();
    });
}
