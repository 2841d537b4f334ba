#!/bin/sh
# Runs a Windows program under Wine in a private prefix: wine-run.sh PREFIX PROGRAM [ARGS...]
# The prefix is created on first use with Wine's null graphics driver, so
# windows and message boxes work without any X display.
set -eu
prefix=$(realpath -m "$1")
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
if [ ! -f "$prefix/.quorlink-ready" ]; then
    mkdir -p "$prefix"
    (
        flock 9
        if [ ! -f "$prefix/.quorlink-ready" ]; then
            "$wine" wineboot -i >/dev/null 2>&1
            "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
            /usr/lib/wine/wineserver -w
            touch "$prefix/.quorlink-ready"
        fi
    ) 9>"$prefix.lock"
fi
exec "$wine" "$@"
