#!/bin/sh
# Runs a Windows program under Wine in a private prefix: wine-run.sh PREFIX PROGRAM [ARGS...]
# wine-run.sh --describe PROGRAM prints which loader would run PROGRAM.
#
# The prefix is created on first use with Wine's null graphics driver, so
# windows and message boxes work without any X display.
#
# A 64-bit program (PE32+, or a name that is not a file, such as reg) runs
# with wine64. A 32-bit program (PE32) runs with the 32-bit loader: natively
# when this machine starts 32-bit ELF programs, else under qemu-i386. Which
# one is said on standard error; QUOR_WINE_QUIET=1 keeps that quiet, and
# QUOR_WINE32=qemu takes qemu-i386 even where the native loader works.
#
# qemu-i386 sometimes segfaults while the emulated Wine process exits, after
# the program's work is done. So under qemu the program is told a file in
# QUOR_EXIT_RECORD, where our programs write their exit code as their last
# act (tools/host/exit_record.h). When qemu dies of SIGSEGV and that file
# holds a code, the code is the program's result; without it the crash
# stands. A natively run program is judged by its exit status alone.
set -eu

wine32=/usr/lib/wine/wine
wine64=/usr/lib/wine/wine64

# i386, amd64 or other, from the machine field of the program's PE header.
pe_machine() {
    [ -f "$1" ] || { echo amd64; return; }
    offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    case $(od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' ') in
        014c) echo i386 ;;
        8664) echo amd64 ;;
        *) echo other ;;
    esac
}

# native, qemu or 64-bit: how the program is run.
loader_for() {
    if [ "$(pe_machine "$1")" != i386 ]; then
        echo 64-bit
    elif [ "${QUOR_WINE32:-}" != qemu ] && "$wine32" --version >/dev/null 2>&1; then
        echo native
    else
        echo qemu
    fi
}

describe() {
    case $1 in
        native) echo "32-bit Wine loader, native" ;;
        qemu) echo "32-bit Wine loader, emulated by qemu-i386" ;;
        *) echo "64-bit Wine loader" ;;
    esac
}

if [ "$1" = --describe ]; then
    describe "$(loader_for "$2")"
    exit 0
fi

prefix=$(realpath -m "$1")
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/.quorlink-ready" ]; then
    mkdir -p "$prefix"
    (
        flock 9
        if [ ! -f "$prefix/.quorlink-ready" ]; then
            "$wine64" wineboot -i >/dev/null 2>&1
            "$wine64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
            /usr/lib/wine/wineserver -w
            touch "$prefix/.quorlink-ready"
        fi
    ) 9>"$prefix.lock"
fi

loader=$(loader_for "$1")
[ "$loader" = 64-bit ] || [ "${QUOR_WINE_QUIET:-}" = 1 ] || echo "wine-run.sh: $(describe "$loader")" >&2
case $loader in
    64-bit) exec "$wine64" "$@" ;;
    native) exec "$wine32" "$@" ;;
esac

record=$(mktemp)
trap 'rm -f "$record"' EXIT
status=0
QUOR_EXIT_RECORD="$record" WINELOADERNOEXEC=1 qemu-i386 -L / "$wine32" "$@" || status=$?
if [ "$status" -eq 139 ] && [ -s "$record" ]; then
    echo "wine-run.sh: qemu-i386 crashed while the program exited; it had recorded exit code $(cat "$record")" >&2
    status=$(cat "$record")
fi
exit "$status"
