#!/usr/bin/env bash
# Builds Velmora and starts it. Any arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/app/velmora ]; then
  exec build/app/velmora "$@"
fi
# Until the main window is built, show what the program checker makes of the
# sample program.
exec build/tools/velmora-check --dump "${1:-resources/programs/sample.txt}"
