#!/usr/bin/env bash
# Builds the release, the 32-bit quorvel.exe, and checks it: scripts/release.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/bootstrap.sh
cmake --preset win32 > /dev/null
cmake --build --preset win32
scripts/release-check.sh build/win32/app/quorvel.exe
echo "release: $root/build/win32/app/quorvel.exe"
