// quorhost: a console host for the Quorlink plug-in, for people and scripts.
// It creates the host's main window, then runs one command (see commands.cpp)
// and prints what happened in UTF-8.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "commands.h"
#include "exit_record.h"
#include "host_windows.h"

int wmain(int argc, wchar_t** argv) {
    const quorhost::ExitRecord exitRecord;
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    try {
        quorhost::TheHostWindows();
        const std::vector<std::wstring> args(argv + 1, argv + argc);
        return exitRecord.Finish(quorhost::RunCommand(args));
    } catch (const std::exception& error) {
        std::fprintf(stdout, "quorhost: %s\n", error.what());
        return exitRecord.Finish(1);
    }
}
