#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests under ASan/UBSan, then the
# Windows builds, whose tests run the win64 programs under Wine, and checks the 32-bit release.
set -eu
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh

cmake --preset native > /dev/null
cmake --build --preset native
ctest --preset native -j 2

cmake --preset win64 > /dev/null
cmake --build --preset win64
ctest --preset win64

cmake --preset win32 > /dev/null
cmake --build --preset win32
scripts/release-check.sh build/win32/app/quorvel.exe
