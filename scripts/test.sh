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
# Every test binary whole in one process, in a random order: state that one
# test leaves behind for another shows up here and not under ctest, which
# gives each test a process of its own.
# Their messages to standard error go to build logs; failures show on stdout.
for t in model_tests ui_tests corvid/corvid_tests; do
  echo "== $t, whole and shuffled"
  QT_QPA_PLATFORM=offscreen "$build/tests/$t" --gtest_shuffle --gtest_brief=1 \
    2>"$build/shuffled-${t##*/}.log"
done
gl="$build/tests/gl/gl_tests"
if [ -x "$gl" ]; then
  echo "== gl_tests, whole and shuffled"
  # As under ctest: the software driver's leaks at exit cannot be named.
  ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "-screen 0 1600x1000x24" "$gl" --gtest_shuffle --gtest_brief=1 2>"$build/shuffled-gl_tests.log"
fi
# Then each test in a process of its own; its summary closes the run.
# Rendering tests need a display: give them a virtual one.
xvfb-run -a -s "-screen 0 1600x1000x24" ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
