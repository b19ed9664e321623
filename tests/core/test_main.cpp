#include <gtest/gtest.h>

#include "results_printer.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    huevane_test::PrintResultsToStandardOutputOnly();
    return RUN_ALL_TESTS();
}
