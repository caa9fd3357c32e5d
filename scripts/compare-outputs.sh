#!/usr/bin/env bash
# Runs velmora-sim and velmora-check of one build over every sample program
# and test program, and compares what they print and write with another
# build's. A change of structure must leave every byte as it was.
# Usage: scripts/compare-outputs.sh BUILD_BEFORE BUILD_AFTER
set -uo pipefail
cd "$(dirname "$0")/.."
if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_BEFORE BUILD_AFTER" >&2
  exit 2
fi

snapshot() { # build folder, output folder
  local build=$1 out=$2 name
  mkdir -p "$out"
  for p in resources/programs/*.txt tests/data/sim/*/program.txt tests/data/check/*/program.txt \
           tests/data/bad/*.txt tests/data/fuzz-corpus/*.txt; do
    name=$(echo "$p" | tr '/' '_')
    "$build/tools/velmora-sim" --positions --profile-csv "$out/$name.profile.csv" \
      --trace-csv "$out/$name.trace.csv" "$p" >"$out/$name.sim.out" 2>"$out/$name.sim.err"
    echo $? >"$out/$name.sim.status"
    "$build/tools/velmora-check" --dump "$p" >"$out/$name.check.out" 2>"$out/$name.check.err"
    echo $? >"$out/$name.check.status"
  done
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
snapshot "$1" "$work/before"
snapshot "$2" "$work/after"
if diff -r "$work/before" "$work/after"; then
  echo "same: $(ls "$work/after" | wc -l) outputs"
else
  exit 1
fi
