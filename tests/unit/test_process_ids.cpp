// The process identifier array grows until every identifier fits.
#include <doctest.h>

#include "platform/processes.h"

using namespace qlmr;

namespace {

// A system with the given number of processes answering as EnumProcesses does: it fills what
// fits and reports the bytes written, never more than the buffer.
struct FakeSystem {
    unsigned long processes;
    int calls = 0;
    bool operator()(unsigned long* ids, unsigned long bytes, unsigned long* written) {
        ++calls;
        const unsigned long fit = bytes / sizeof(unsigned long);
        const unsigned long n = processes < fit ? processes : fit;
        for (unsigned long i = 0; i < n; ++i) ids[i] = (i + 1) * 4;
        *written = n * sizeof(unsigned long);
        return true;
    }
};

}  // namespace

TEST_CASE("process identifiers are collected however many processes run") {
    for (unsigned long count : {0UL, 1UL, 1023UL, 1024UL, 1025UL, 3000UL, 70000UL}) {
        CAPTURE(count);
        FakeSystem system{count};
        const auto ids = collectProcessIds(std::ref(system));
        REQUIRE(ids.size() == count);
        if (count) {
            CHECK(ids.front() == 4);
            CHECK(ids.back() == count * 4);
        }
    }
}

TEST_CASE("a full array is asked again, a short answer is final, a failure gives nothing") {
    FakeSystem small{10};
    collectProcessIds(std::ref(small));
    CHECK(small.calls == 1);
    FakeSystem exact{1024};
    collectProcessIds(std::ref(exact));
    CHECK(exact.calls == 2);
    const auto none = collectProcessIds([](unsigned long*, unsigned long, unsigned long*) { return false; });
    CHECK(none.empty());
    // A query that always fills its buffer still ends.
    const auto endless = collectProcessIds([](unsigned long*, unsigned long bytes, unsigned long* written) {
        *written = bytes;
        return true;
    });
    CHECK_FALSE(endless.empty());
}
