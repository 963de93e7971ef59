#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine. Until the main window exists this runs
# the backup pass on a generated tree and prints its timing beside xcopy and cp.
set -eu
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
cmake --preset win64 > /dev/null
cmake --build --preset win64
bench/run.sh "${QV_BENCH_ROUNDS:-1}"
