// Counts the fault cases (test cases named "fault: ...") and prints how many held.
#include <doctest.h>

#include <cstdio>
#include <cstring>

namespace {

struct FaultTally : doctest::IReporter {
    int tried = 0, held = 0;
    bool current = false;
    explicit FaultTally(const doctest::ContextOptions&) {}
    void report_query(const doctest::QueryData&) override {}
    void test_run_start() override {}
    void test_run_end(const doctest::TestRunStats&) override {
        if (tried) std::printf("fault suite: %d cases tried, %d held\n", tried, held);
    }
    void test_case_start(const doctest::TestCaseData& t) override {
        current = std::strncmp(t.m_name, "fault: ", 7) == 0;
    }
    void test_case_reenter(const doctest::TestCaseData&) override {}
    void test_case_end(const doctest::CurrentTestCaseStats& s) override {
        if (!current) return;
        ++tried;
        if (s.failure_flags == 0 && s.numAssertsFailedCurrentTest == 0) ++held;
    }
    void test_case_exception(const doctest::TestCaseException&) override {}
    void subcase_start(const doctest::SubcaseSignature&) override {}
    void subcase_end() override {}
    void log_assert(const doctest::AssertData&) override {}
    void log_message(const doctest::MessageData&) override {}
    void test_case_skipped(const doctest::TestCaseData&) override {}
};

REGISTER_LISTENER("faults", 1, FaultTally);

}  // namespace
