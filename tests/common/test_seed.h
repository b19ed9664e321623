// The seed of a randomised test: printed with every failure, and taken from
// HUEVANE_SEED where that is set, so that a failing run can be replayed.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace huevane_test {

inline unsigned SeedForThisRun() {
    if (const char* seed = std::getenv("HUEVANE_SEED")) {
        return static_cast<unsigned>(std::strtoul(seed, nullptr, 10));
    }
    return std::random_device{}();
}

inline ::testing::Message ReplayNote(unsigned seed) {
    return ::testing::Message() << "seed " << seed << " (rerun with HUEVANE_SEED=" << seed << ")";
}

}  // namespace huevane_test
