// A stand-in for LeaderTask.exe: records how it was started and exits.
//
// Writes its whole command line (GetCommandLineW) as UTF-8, without a byte
// order mark or a line end, to received.txt in its own folder, replacing any
// older file. It writes received.txt.tmp first and renames it over
// received.txt, so a reader never sees a partial file.
#include <windows.h>

#include <string>
#include <vector>

#include "handles.h"

namespace {

std::string ToUtf8(const wchar_t* text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), bytes, nullptr, nullptr);
    out.pop_back();  // the terminator
    return out;
}

std::wstring OwnFolder() {
    std::vector<wchar_t> path(32768);
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring folder(path.data(), length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

bool WriteWhole(const std::wstring& path, const std::string& bytes) {
    const quorhost::UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring folder = OwnFolder();
    const std::wstring temporary = folder + L"received.txt.tmp";
    const std::wstring received = folder + L"received.txt";
    if (!WriteWhole(temporary, ToUtf8(GetCommandLineW()))) return 1;
    return MoveFileExW(temporary.c_str(), received.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
