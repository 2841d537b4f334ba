#!/bin/sh
# Installs the Debian packages the builds and tests need; quick when all are present.
# The 32-bit Wine loader (wine32) comes from the i386 architecture, which is
# added once; qemu-user runs it on machines whose kernel cannot start 32-bit
# programs.
set -eu
packages="cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev googletest
g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
wine64 wine32:i386 qemu-user python3 python3-pefile valgrind cppcheck clang-format"
missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $package" ;;
    esac
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
    fi
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing
fi
