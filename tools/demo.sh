#!/usr/bin/env bash
# Tells the plug-in's story under Wine through quorhost.exe, with the stand-in
# LeaderTask in a folder whose name has a space:
# demo.sh BUILD_DIR PLUGIN VERSION (the win32 build, the shipped DLL, its version).
set -euo pipefail

usage="usage: demo.sh BUILD_DIR PLUGIN VERSION"
build=$(cd "${1:?$usage}" && pwd)
plugin=$(realpath "${2:?$usage}")
version=${3:?$usage}
root=$(cd "$(dirname "$0")/.." && pwd)
standins=$build/tools/leadertask_standin
folder="$build/demo/Leader Task"

host() { QUOR_WINE_QUIET=1 "$root/cmake/wine-run.sh" "$build/wineprefix" "$build/quorhost.exe" "$@"; }
heading() { printf '\n=== %s\n' "$*"; }

echo "Quorlink $version: $plugin"
echo "Loader: $("$root/cmake/wine-run.sh" --describe "$build/quorhost.exe")"

install_leadertask() {
    mkdir -p "$folder"
    cp "$standins/$1/LeaderTask.exe" "$folder/LeaderTask.exe"
}

# Runs quorhost, then prints the command line the stand-in wrote once it has
# (the shell returns before LeaderTask has started).
run_and_show_received() {
    rm -f "$folder/received.txt"
    host "$plugin" "$@"
    for _ in $(seq 150); do
        if [ -f "$folder/received.txt" ]; then
            printf 'LeaderTask received the command line: %s\n' "$(cat "$folder/received.txt")"
            return
        fi
        sleep 0.1
    done
    echo "LeaderTask did not start within 15 seconds."
}

heading "The plug-in as the host sees it"
host "$plugin" identity

heading "LeaderTask 6.9.5.2 (a stand-in) in a folder with a space, registered as LeaderTask does it"
install_leadertask v6952
host register-leadertask "$folder/LeaderTask.exe"
host "$plugin" leadertask

heading "The menu"
host "$plugin" menu

heading "Save '  buy milk' and a line break, showing LeaderTask (entry 0)"
run_and_show_received run 0 --text $'  buy milk\r\n'

heading "The same text without showing LeaderTask (entry 1)"
run_and_show_received run 1 --text $'  buy milk\r\n'

heading "Start LeaderTask (entry 3)"
run_and_show_received run 3

heading "LeaderTask 6.9.4.9 in its place: too old to save without showing itself"
install_leadertask v6949
host "$plugin" leadertask
host "$plugin" menu
host "$plugin" run 1 --text $'  buy milk\r\n'

heading "LeaderTask no longer registered"
host unregister-leadertask
host "$plugin" run 3
