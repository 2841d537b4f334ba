// Running out of memory inside an export: the host gets the failure value,
// never an exception, and nothing is launched or shown.
//
// This test program replaces the global allocation functions so that a test
// can make every allocation fail for the duration of one call.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "plugin/exports.h"
#include "support/fake_platform.h"

namespace {

bool failAllocations = false;

}  // namespace

// GCC takes the replacement pair below for a mismatch of new and free.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    if (failAllocations) throw std::bad_alloc();
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#pragma GCC diagnostic pop

namespace quor {
namespace {

// Makes allocations fail while alive.
struct NoMemory {
    NoMemory() { failAllocations = true; }
    ~NoMemory() { failAllocations = false; }
    NoMemory(const NoMemory&) = delete;
    NoMemory& operator=(const NoMemory&) = delete;
};

TEST(OutOfMemoryTest, ExportsAnswerZero) {
    fake::Reset();
    fake::world().SetLTPath(u"C:\\LT.exe");
    fake::world().fileVersions[u"C:\\LT.exe"] = fake::Version(6, 9, 5, 2);
    fake::world().moduleVersion = fake::Version(2, 0, 0, 9);
    fake::world().shellCalls.reserve(8);
    fake::world().messages.reserve(8);

    ProcCallInfo call{};
    call.text = u"buy milk";
    PluginInfo info{};
    info.size = sizeof(PluginInfo);
    MenuItemInfo item{};
    std::int32_t results[5] = {};
    {
        NoMemory noMemory;
        call.itemParam = 1;
        results[0] = Text2LTProc(&call);
        call.itemParam = 0;
        results[1] = Text2LTProc(&call);
        results[2] = StartLTProc();
        results[3] = Quor_GetPluginInfo(&info);
        results[4] = Quor_GetMenuItemInfo(1, &item);
    }
    EXPECT_EQ(results[0], 0);
    EXPECT_EQ(results[1], 0);
    EXPECT_EQ(results[2], 0);
    EXPECT_EQ(results[3], 0);
    EXPECT_EQ(results[4], 0);
    EXPECT_TRUE(fake::world().shellCalls.empty());
    EXPECT_TRUE(fake::world().messages.empty());
    EXPECT_EQ(info.flags, 0u);

    EXPECT_EQ(Text2LTProc(&call), 1);  // and it works again once memory is back
}

}  // namespace
}  // namespace quor
