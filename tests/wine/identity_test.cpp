// The plug-in's identity through a host with services (this program). A host
// without them is tried by bare_host_test.sh with quorhost-bare.exe.
#include "host_fixture.h"

namespace quortest {
namespace {

using IdentityTest = WineHostTest;

TEST_F(IdentityTest, DisplayNameCarriesTheVersionOfTheDllsVersionResource) {
    quorhost::Record info(quorhost::kPluginInfoLength);
    info.SetU32(quorhost::plugin_info::size, quorhost::kPluginInfoLength);
    ASSERT_EQ(ThePlugin().CallWithRecord("Quor_GetPluginInfo", info), 1);
    EXPECT_EQ(info.Text16(quorhost::plugin_info::displayName), u"Quorlink " QUOR_DISPLAY_VERSION);
}

TEST_F(IdentityTest, UnicodeQuestionAndAboutAnswerOne) {
    EXPECT_EQ(ThePlugin().CallAnswer("Quor_IsSupportsPluginUnicode"), 1);
    EXPECT_EQ(ThePlugin().CallAnswer("AboutProc"), 1);
}

}  // namespace
}  // namespace quortest
