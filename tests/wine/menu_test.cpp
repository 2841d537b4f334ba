// The menu with the real registry and the stand-ins' real version resources:
// only a LeaderTask of 6.9.5.2 or later leaves the hidden-mode entry available.
#include <array>
#include <optional>

#include "host_fixture.h"
#include "registry.h"

namespace quortest {
namespace {

using MenuTest = WineHostTest;

// unavailable of entry index, asked for in a record of host bytes.
std::int32_t Unavailable(std::int32_t index) {
    quorhost::Record item(quorhost::kMenuItemLength, kHostByte);
    EXPECT_EQ(ThePlugin().CallMenu(index, item), 1);
    return item.I32(quorhost::menu_item::unavailable);
}

struct MenuCase {
    const char* name;
    std::optional<Standin> leaderTask;
    std::int32_t hiddenEntryUnavailable;
};

TEST_F(MenuTest, HiddenEntryIsUnavailableUnlessLeaderTaskIsNewEnough) {
    const std::array<MenuCase, 4> cases{{
        {"6.9.5.2", Standin::V6952, kUntouched32},
        {"6.9.4.9", Standin::V6949, 1},
        {"no version resource", Standin::NoVersion, 1},
        {"not registered", std::nullopt, 1},
    }};
    for (const MenuCase& test : cases) {
        SCOPED_TRACE(test.name);
        quorhost::DeleteLeaderTaskKey();
        if (test.leaderTask) InstallLeaderTask(*test.leaderTask);
        EXPECT_EQ(Unavailable(0), kUntouched32);
        EXPECT_EQ(Unavailable(1), test.hiddenEntryUnavailable);
    }
}

}  // namespace
}  // namespace quortest
