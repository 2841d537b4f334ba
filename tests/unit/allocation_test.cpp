// The plug-in allocates nothing: every export, in every kind of world, runs
// without a single allocation of its own, so no call can fail, throw or end
// the host for want of memory.
//
// This test program replaces the global allocation functions to count what
// the plug-in allocates; the fake platform's own recording is left out.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <new>
#include <string>

#include "plugin/exports.h"
#include "support/fake_platform.h"

namespace {

bool counting = false;
std::size_t allocations = 0;

}  // namespace

// GCC takes the replacement pair below for a mismatch of new and free.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    if (counting && quor::fake::world().atWork == 0) ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#pragma GCC diagnostic pop

namespace quor {
namespace {

constexpr char16_t kPath[] = u"C:\\Leader Task\\LeaderTask.exe";

// The allocations the plug-in made during call.
std::size_t AllocationsDuring(const std::function<void()>& call) {
    allocations = 0;
    counting = true;
    call();
    counting = false;
    return allocations;
}

enum class LeaderTask { NewEnough, TooOld, Missing };

void SetUpWorld(LeaderTask leaderTask) {
    fake::Reset();
    fake::world().moduleVersion = fake::Version(2, 0, 0, 9);
    if (leaderTask == LeaderTask::Missing) return;
    fake::world().SetLTPath(kPath);
    fake::world().fileVersions[kPath] =
        leaderTask == LeaderTask::NewEnough ? fake::Version(6, 9, 5, 2) : fake::Version(6, 9, 4, 9);
}

TEST(AllocationTest, NoExportAllocates) {
    const std::u16string longText(100'000, u'x');
    const std::u16string blanks = u"buy milk" + std::u16string(100'000, u' ');
    for (LeaderTask leaderTask : {LeaderTask::NewEnough, LeaderTask::TooOld, LeaderTask::Missing}) {
        for (const char16_t* text :
             {u"  buy milk\r\n", longText.c_str(), blanks.c_str(), static_cast<const char16_t*>(nullptr)}) {
            for (std::int32_t itemParam : {1, 0}) {
                SetUpWorld(leaderTask);
                ProcCallInfo call{};
                call.text = text;
                call.itemParam = itemParam;
                EXPECT_EQ(AllocationsDuring([&] { Text2LTProc(&call); }), 0u)
                    << static_cast<int>(leaderTask) << " item parameter " << itemParam;
            }
        }
        SetUpWorld(leaderTask);
        PluginInfo info{};
        info.size = sizeof(info);
        ProcCallInfo call{};
        EXPECT_EQ(AllocationsDuring([&] {
                      Quor_IsSupportsPluginUnicode();
                      Quor_GetPluginInfo(&info);
                      for (std::int32_t index = -1; index <= 4; ++index) {
                          MenuItemInfo item{};
                          Quor_GetMenuItemInfo(index, &item);
                      }
                      InitText2LTProc(&call);
                      StartLTProc();
                  }),
                  0u)
            << static_cast<int>(leaderTask);
    }
}

}  // namespace
}  // namespace quor
