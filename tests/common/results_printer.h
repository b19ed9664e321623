// GoogleTest's own printer, less its copy of each failure and skip to the
// debugger: OutputDebugString, which under 32-bit Wine through qemu-user
// starts a thread that the emulator cannot run, and the test process ends
// at its first failure or skip. Results go to standard output alone;
// everything else is the default printer's.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace huevane_test {

class ResultsToStandardOutput : public ::testing::TestEventListener {
public:
    explicit ResultsToStandardOutput(::testing::TestEventListener* printer) : m_printer(printer) {}

    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        if (result.type() == ::testing::TestPartResult::kSuccess) return;
        std::printf("%s:%d: %s\n%s\n", result.file_name() ? result.file_name() : "unknown file",
                    result.line_number(), result.skipped() ? "Skipped" : "Failure", result.message());
        std::fflush(stdout);
    }

    void OnTestProgramStart(const ::testing::UnitTest& test) override { m_printer->OnTestProgramStart(test); }
    void OnTestIterationStart(const ::testing::UnitTest& test, int iteration) override {
        m_printer->OnTestIterationStart(test, iteration);
    }
    void OnEnvironmentsSetUpStart(const ::testing::UnitTest& test) override {
        m_printer->OnEnvironmentsSetUpStart(test);
    }
    void OnEnvironmentsSetUpEnd(const ::testing::UnitTest& test) override {
        m_printer->OnEnvironmentsSetUpEnd(test);
    }
    void OnTestSuiteStart(const ::testing::TestSuite& suite) override { m_printer->OnTestSuiteStart(suite); }
    void OnTestCaseStart(const ::testing::TestCase& suite) override { m_printer->OnTestCaseStart(suite); }
    void OnTestStart(const ::testing::TestInfo& info) override { m_printer->OnTestStart(info); }
    void OnTestDisabled(const ::testing::TestInfo& info) override { m_printer->OnTestDisabled(info); }
    void OnTestEnd(const ::testing::TestInfo& info) override { m_printer->OnTestEnd(info); }
    void OnTestSuiteEnd(const ::testing::TestSuite& suite) override { m_printer->OnTestSuiteEnd(suite); }
    void OnTestCaseEnd(const ::testing::TestCase& suite) override { m_printer->OnTestCaseEnd(suite); }
    void OnEnvironmentsTearDownStart(const ::testing::UnitTest& test) override {
        m_printer->OnEnvironmentsTearDownStart(test);
    }
    void OnEnvironmentsTearDownEnd(const ::testing::UnitTest& test) override {
        m_printer->OnEnvironmentsTearDownEnd(test);
    }
    void OnTestIterationEnd(const ::testing::UnitTest& test, int iteration) override {
        m_printer->OnTestIterationEnd(test, iteration);
    }
    void OnTestProgramEnd(const ::testing::UnitTest& test) override { m_printer->OnTestProgramEnd(test); }

private:
    std::unique_ptr<::testing::TestEventListener> m_printer;
};

// Puts the printer above in the default one's place; after InitGoogleTest.
inline void PrintResultsToStandardOutputOnly() {
    ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
    listeners.Append(new ResultsToStandardOutput(listeners.Release(listeners.default_result_printer())));
}

}  // namespace huevane_test
