#!/bin/sh
# The plug-in in a host without services, quorhost-bare.exe, run as its own
# program under Wine: the display name without a version, the start message
# without an owner, and LeaderTask started with a null owner window.
# Usage: bare_host_test.sh WINE_RUN PREFIX BARE_HOST PLUGIN STANDIN WORK_DIR
set -eu
wine_run=$1 prefix=$2 bare_host=$3 plugin=$4 standin=$5 work=$6
key='HKCU\Software\Almeza\LeaderTask'
passed=0 failed=0

# The bare host's output, and its exit status when that is not 0.
bare() { "$wine_run" "$prefix" "$bare_host" "$plugin" "$@" || echo "(exit status $?)"; }
registry() { QUOR_WINE_QUIET=1 "$wine_run" "$prefix" reg "$@" >/dev/null; }

# expect_line OUTPUT LINE WHAT: OUTPUT has LINE as one of its lines.
expect_line() {
    if printf '%s\n' "$1" | grep -qxF -- "$2"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED: %s: no line "%s" in:\n%s\n' "$3" "$2" "$1"
    fi
}

registry delete "$key" /f || true
expect_line "$(bare identity)" "Display name: Quorlink" "the display name without the version service"
started=$(bare run 3)
expect_line "$started" "  owner:   none" "the start message without the main-window service"
expect_line "$started" "  text:    Cannot get path to LeaderTask organizer." "the start message's text"

folder="$work/Leader Task"
mkdir -p "$folder"
cp "$standin" "$folder/LeaderTask.exe"
rm -f "$folder/received.txt"
path="Z:$(printf '%s' "$folder/LeaderTask.exe" | tr / '\\')"
registry add "$key" /v LastStart /d "$path" /f
expect_line "$(bare run 3)" "No message box." "the start without services shows nothing"
for _ in $(seq 150); do
    [ -f "$folder/received.txt" ] && break
    sleep 0.1
done
expect_line "$(cat "$folder/received.txt" 2>/dev/null)" "\"$path\"" "LeaderTask started bare"
registry delete "$key" /f

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
