#!/usr/bin/env bash
# bench/run.sh [ROUNDS]: times a full backup pass of the win64 build under Wine, from a
# /dev/shm tree to a disk folder, beside Wine's own xcopy and native cp -a on the same tree
# and destination. Rounds are interleaved and the median of each tool is reported.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-3}
files=${QV_BENCH_FILES:-20000}
big=${QV_BENCH_BIG:-4}
. "$root/tests/e2e/wine-env.sh"
pass="$root/build/win64/bench/quorvel-pass.exe"
[ -f "$pass" ] || { echo "bench: build the win64 preset first (cmake --build --preset win64)" >&2; exit 2; }

state="$root/build/win64/bench-wine"
"$root/tests/e2e/wine-fixture.sh" setup "$state"
src=$(mktemp -d /dev/shm/qv-bench-src.XXXXXX)
dst=$(mktemp -d "${TMPDIR:-/tmp}/qv-bench-dst.XXXXXX")
cleanup() {
  rm -rf "$src" "$dst"
  "$root/tests/e2e/wine-fixture.sh" teardown "$state"
}
trap cleanup EXIT
export WINEPREFIX="$state/prefix"
qv_map_drive "$WINEPREFIX" r "$src"
qv_map_drive "$WINEPREFIX" d "$dst"

echo "bench: generating $files files of 1-16 KiB and $big files of 64 MiB in $src"
python3 "$root/bench/make_tree.py" "$src/work" "$files" "$big"

fresh_destination() {
  rm -rf "${dst:?}"/*
  mkdir -p "$dst/bk"
  sync
}
ms_since() { echo $((($(date +%s%N) - $1) / 1000000)); }

run_ours() {
  local out
  out=$("$WINE" "$pass" backup 'R:\' 'D:\bk' work)
  if ! grep -q 'RAMDiskのバックアップ完了' <<< "$out" || grep -q '失敗' <<< "$out"; then
    echo "bench: the pass did not complete cleanly:" >&2
    echo "$out" >&2
    exit 1
  fi
}
run_xcopy() { "$WINE" xcopy 'R:\work' 'D:\bk\work' /E /I /H /K /Y /Q > /dev/null; }
run_cp() { cp -a "$src/work" "$dst/bk/"; }

declare -A times
for round in $(seq "$rounds"); do
  for tool in ours xcopy cp; do
    fresh_destination
    start=$(date +%s%N)
    "run_$tool"
    t=$(ms_since "$start")
    times[$tool]="${times[$tool]:-} $t"
    echo "bench: round $round $tool ${t} ms"
    if [ "$tool" = ours ]; then
      diff -rq "$src/work" "$dst/bk/work" > /dev/null || { echo "bench: the backup differs from the source" >&2; exit 1; }
    fi
  done
done
# A second pass over a complete backup: every file replaced.
start=$(date +%s%N)
run_ours
replace=$(ms_since "$start")

median() { tr ' ' '\n' <<< "$1" | grep . | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ours=$(median "${times[ours]}")
xcopy=$(median "${times[xcopy]}")
cp=$(median "${times[cp]}")
echo
echo "tree: $files files of 1-16 KiB and $big x 64 MiB, /dev/shm to disk, median of $rounds rounds"
printf 'quorvel pass (win64, Wine):    %6d ms\n' "$ours"
printf 'xcopy /E /I /H /K /Y /Q (Wine): %6d ms\n' "$xcopy"
printf 'cp -a (native):                %6d ms\n' "$cp"
printf 'quorvel pass over a complete backup: %d ms\n' "$replace"
awk -v o="$ours" -v x="$xcopy" -v c="$cp" 'BEGIN { printf "ratio quorvel/xcopy: %.2f\nratio quorvel/cp:    %.2f\n", o / x, o / c }'
