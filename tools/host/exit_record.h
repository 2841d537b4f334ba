// The exit code our Windows programs leave for cmake/wine-run.sh: under
// qemu-i386 the emulated Wine process may crash while it exits, after its
// work is done, and the wrapper then takes the code from the file named by
// QUOR_EXIT_RECORD instead of the crash's status.
#pragma once

#include <string>

namespace quorhost {

// Takes the file's name from the environment at the program's start and
// removes the variable, so that programs this one starts do not write there.
class ExitRecord {
public:
    ExitRecord();

    // Writes code to the file, when there is one, and returns code: the
    // program's last act before it returns from main.
    int Finish(int code) const;

private:
    std::wstring path_;
};

}  // namespace quorhost
