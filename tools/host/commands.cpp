// quorhost's commands: the plug-in's identity, LeaderTask as the host finds it,
// the menu, running an entry, and registering LeaderTask.
#include "commands.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>

#include "entries.h"
#include "host_windows.h"
#include "leadertask_view.h"
#include "registry.h"
#include "report.h"
#include "text.h"
#include "version_info.h"

namespace quorhost {
namespace {

constexpr std::string_view kUsage =
    "Usage:\n"
    "  quorhost PLUGIN identity\n"
    "  quorhost PLUGIN leadertask\n"
    "  quorhost PLUGIN menu\n"
    "  quorhost PLUGIN run INDEX [--text TEXT | --text-file FILE] [--owner main|none|other]\n"
    "  quorhost register-leadertask PATH\n"
    "  quorhost unregister-leadertask\n"
    "PLUGIN and PATH may be Windows paths or, under Wine, Unix paths.";

constexpr std::int32_t kMaxMenuEntries = 64;

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Why the hidden mode cannot be used, or nothing when it can.
std::optional<std::string> HiddenModeObstacle(const LeaderTaskView& leaderTask) {
    if (leaderTask.hiddenModeAvailable) return std::nullopt;
    if (leaderTask.path.empty()) return "LeaderTask is not registered";
    if (leaderTask.version == FileVersion{}) return "the version of LeaderTask cannot be read";
    return "LeaderTask " + ToText(leaderTask.version) + " is older than " +
           ToText(MinimumHiddenModeVersion());
}

int Identity(const Plugin& plugin, const std::wstring& path) {
    Print("Plug-in: " + Visible(path) + " (" + plugin.Format() + ")");
    Record info(kPluginInfoLength);
    info.SetU32(plugin_info::size, kPluginInfoLength);
    const std::int32_t answer = plugin.CallWithRecord("Quor_GetPluginInfo", info);
    Print("Quor_GetPluginInfo: " + std::to_string(answer));
    Print("Display name: " + Visible(ToWide(info.Text16(plugin_info::displayName))));
    Print("Info code: " + std::to_string(info.I32(plugin_info::infoCode)));
    Print("Flags: " + Hex(info.U32(plugin_info::flags)));
    Print("Quor_IsSupportsPluginUnicode: " +
          std::to_string(plugin.CallAnswer("Quor_IsSupportsPluginUnicode")));
    Print("AboutProc: " + std::to_string(plugin.CallAnswer("AboutProc")));
    return 0;
}

int ShowLeaderTask() {
    const LeaderTaskView leaderTask = FindLeaderTask();
    if (leaderTask.path.empty()) {
        Print(
            "LeaderTask is not registered (no readable value LastStart under "
            "HKCU\\Software\\Almeza\\LeaderTask).");
    } else {
        Print("LeaderTask path: " + Visible(leaderTask.path));
        Print("Version (as the host's version service reads it): " +
              (leaderTask.version == FileVersion{} ? "cannot be read (no file or no version resource)"
                                                   : ToText(leaderTask.version)));
    }
    const std::optional<std::string> obstacle = HiddenModeObstacle(leaderTask);
    Print("Saving without showing LeaderTask (needs " + ToText(MinimumHiddenModeVersion()) +
          " or later): " + (obstacle ? "not available, " + *obstacle : "available"));
    return 0;
}

int ShowMenu(const Plugin& plugin) {
    const std::optional<std::string> obstacle = HiddenModeObstacle(FindLeaderTask());
    Print("The plug-in's menu:");
    for (std::int32_t index = 0; index < kMaxMenuEntries; ++index) {
        const std::optional<Record> entry = MenuEntry(plugin, index);
        if (!entry) break;
        const std::string caption = Visible(ToWide(entry->Text16(menu_item::caption)));
        const std::string procedure = entry->Text8(menu_item::procName);
        if (caption.empty() && procedure.empty()) {
            Print("  [" + std::to_string(index) + "] ------------ (separator)");
            continue;
        }
        std::string line = "  [" + std::to_string(index) + "] " + caption;
        if (entry->I32(menu_item::unavailable) != 0)
            line += "   (unavailable: " + obstacle.value_or("the plug-in says so") + ")";
        Print(line);
        Print("        hint: " + Visible(ToWide(entry->Text16(menu_item::hint))));
        const std::string init = entry->Text8(menu_item::initProcName);
        Print("        runs: " + (init.empty() ? "" : init + ", then ") + procedure +
              (init.empty() ? "" : ", item parameter " + std::to_string(entry->I32(menu_item::itemParam))));
    }
    return 0;
}

struct RunOptions {
    std::int32_t index = 0;
    std::u16string text;
    HWND owner = nullptr;
};

std::u16string ReadUtf8File(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(WindowsPath(path)), std::ios::binary);
    if (!file) throw UsageError("cannot read " + ToUtf8(path));
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    return ToU16(FromUtf8(bytes));
}

HWND OwnerNamed(const std::wstring& name) {
    if (name == L"main") return TheHostWindows().main.get();
    if (name == L"other") return TheHostWindows().other.get();
    if (name == L"none") return nullptr;
    throw UsageError("--owner takes main, none or other");
}

RunOptions ParseRunOptions(std::span<const std::wstring> args) {
    if (args.empty()) throw UsageError("run needs the index of a menu entry");
    RunOptions options;
    try {
        options.index = std::stoi(args[0]);
    } catch (const std::logic_error&) {
        throw UsageError("run needs the index of a menu entry");
    }
    options.owner = TheHostWindows().main.get();
    for (std::size_t at = 1; at < args.size(); at += 2) {
        if (at + 1 == args.size()) throw UsageError(ToUtf8(args[at]) + " needs a value");
        const std::wstring& value = args[at + 1];
        if (args[at] == L"--text") {
            options.text = ToU16(value);
        } else if (args[at] == L"--text-file") {
            options.text = ReadUtf8File(value);
        } else if (args[at] == L"--owner") {
            options.owner = OwnerNamed(value);
        } else {
            throw UsageError("unknown option " + ToUtf8(args[at]));
        }
    }
    return options;
}

int Run(const Plugin& plugin, const RunOptions& options) {
    const EntryRun run = RunEntry(plugin, options.index, options.text, options.owner);
    const Record& item = run.item;
    const std::string procedure = item.Text8(menu_item::procName);
    Print("Entry " + std::to_string(options.index) + ": " + Visible(ToWide(item.Text16(menu_item::caption))));
    if (item.I32(menu_item::unavailable) != 0)
        Print("(the host shows this entry unavailable; running it anyway)");
    if (procedure != "StartLTProc") {
        Print("Text: \"" + Visible(ToWide(options.text)) + "\"");
        Print("Owner window in the call record: " + DescribeWindow(options.owner));
    }
    if (run.initAnswer) {
        Print(item.Text8(menu_item::initProcName) + " returned " + std::to_string(*run.initAnswer) +
              " (initCode " + std::to_string(run.initCode) + ", initFlag " + std::to_string(run.initFlag) +
              ")");
    }
    Print(procedure + " returned " + std::to_string(run.answer));
    if (run.boxes.empty()) Print("No message box.");
    for (const MessageBoxReport& box : run.boxes) PrintMessageBox(box);
    return 0;
}

int PluginCommand(const std::wstring& pluginPath, std::span<const std::wstring> args) {
    if (args.empty()) throw UsageError("a plug-in command is missing");
    const std::wstring path = WindowsPath(pluginPath);
    const Plugin plugin(path);
    const std::wstring& command = args[0];
    if (command == L"identity" && args.size() == 1) return Identity(plugin, path);
    if (command == L"leadertask" && args.size() == 1) return ShowLeaderTask();
    if (command == L"menu" && args.size() == 1) return ShowMenu(plugin);
    if (command == L"run") return Run(plugin, ParseRunOptions(args.subspan(1)));
    throw UsageError("unknown command " + ToUtf8(command));
}

int Dispatch(std::span<const std::wstring> args) {
    if (args.empty()) throw UsageError("no command");
    if (args[0] == L"register-leadertask" && args.size() == 2) {
        const std::wstring path = WindowsPath(args[1]);
        RegisterLeaderTask(path);
        Print("Registered LeaderTask: " + Visible(path));
        return 0;
    }
    if (args[0] == L"unregister-leadertask" && args.size() == 1) {
        DeleteLeaderTaskValue();
        Print("LeaderTask is no longer registered.");
        return 0;
    }
    return PluginCommand(args[0], args.subspan(1));
}

}  // namespace

int RunCommand(std::span<const std::wstring> args) {
    try {
        return Dispatch(args);
    } catch (const UsageError& error) {
        Print(std::string("quorhost: ") + error.what());
        Print(kUsage);
        return 2;
    }
}

}  // namespace quorhost
