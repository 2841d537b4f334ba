// The integration tests' entry point: like any host, the test program creates
// its main window before the plug-in is loaded.
//
// --preload=DLL loads DLL into the process first, as another plug-in loaded
// before ours would bring its own runtime DLL.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>

#include "exit_record.h"
#include "handles.h"
#include "host_windows.h"
#include "text.h"

namespace {

quorhost::UniqueModule Preload(int argc, char** argv) {
    constexpr std::string_view kOption = "--preload=";
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (!argument.starts_with(kOption)) continue;
        const std::wstring path = quorhost::WindowsPath(quorhost::FromUtf8(argument.substr(kOption.size())));
        quorhost::UniqueModule module(LoadLibraryW(path.c_str()));
        if (!module) throw std::runtime_error("cannot preload " + quorhost::ToUtf8(path));
        return module;
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    const quorhost::ExitRecord exitRecord;
    quorhost::TheHostWindows();
    testing::InitGoogleTest(&argc, argv);
    const quorhost::UniqueModule preloaded = Preload(argc, argv);
    return exitRecord.Finish(RUN_ALL_TESTS());
}
