#!/usr/bin/env bash
# Builds Velmora and Corvid and runs every test, on a fresh Debian 12 machine
# as on a developer's. Usage: scripts/test.sh [--sanitize]
#   --sanitize  build in build-asan with AddressSanitizer and
#               UndefinedBehaviorSanitizer and run the suite there
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  options+=(-DVELMORA_SANITIZE=ON -DVELMORA_BUILD_BENCH=OFF)
fi

bash scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
# Rendering tests need a display: give them a virtual one.
xvfb-run -a -s "-screen 0 1600x1000x24" ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
# The Corvid tests once more in one process, in a random order: state that one
# test leaves behind for another shows up here and not under ctest.
"$build"/tests/corvid/corvid_tests --gtest_shuffle
