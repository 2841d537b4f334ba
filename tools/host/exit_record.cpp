// The exit record, written with the Windows API alone.
#include "exit_record.h"

#include <windows.h>

#include <string>

#include "handles.h"
#include "text.h"

namespace quorhost {
namespace {

constexpr wchar_t kVariable[] = L"QUOR_EXIT_RECORD";

}  // namespace

ExitRecord::ExitRecord() {
    const DWORD size = GetEnvironmentVariableW(kVariable, nullptr, 0);
    if (size == 0) return;
    std::wstring path(size, L'\0');
    path.resize(GetEnvironmentVariableW(kVariable, path.data(), size));
    path_ = WindowsPath(path);
    SetEnvironmentVariableW(kVariable, nullptr);
}

int ExitRecord::Finish(int code) const {
    if (path_.empty()) return code;
    const UniqueFile file(
        CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    const std::string text = std::to_string(code) + "\n";
    DWORD written = 0;
    if (file) WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return code;
}

}  // namespace quorhost
