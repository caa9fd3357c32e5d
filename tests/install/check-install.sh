#!/usr/bin/env bash
# Installs the build into a scratch prefix, as a desktop user's package
# would, and checks that everything lands where the desktop and the program
# look for it, and that the installed program answers from any folder.
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

expect=(
  bin/velmora
  bin/velmora-check
  bin/velmora-sim
  include/corvid.h
  include/corvid_sim.h
  share/applications/velmora.desktop
  share/icons/hicolor/scalable/apps/velmora.svg
  share/velmora/Sound/warn.wav
  share/velmora/Sound/Move.wav
  "share/velmora/help/机床操作说明.htm"
  share/velmora/programs/sample.txt
)
for f in "${expect[@]}"; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
# The library folder's name depends on the platform.
for f in libcorvid.so.1 corvid.pc CorvidConfig.cmake; do
  [ -n "$(find "$prefix" -name "$f")" ] || { echo "not installed: $f"; exit 1; }
done

# Corvid's library is stripped, its debug information kept by build ID; its
# Python wrapper lies beside it and drives the simulated card.
library=$(find "$prefix" -name libcorvid.so.1)
libdir=$(dirname "$library")
build_id=$(readelf --notes "$library" | sed -n 's/.*Build ID: \([0-9a-f]*\).*/\1/p')
debug="$prefix/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug"
readelf --section-headers "$library" | grep -qE '\.debug_info|\.symtab' && { echo "not stripped: $library"; exit 1; }
readelf --section-headers "$debug" | grep -q '\.debug_info' || { echo "no debug information: $debug"; exit 1; }
[ -e "$libdir/corvid.py" ] || { echo "not beside the library: corvid.py"; exit 1; }
PYTHONPATH="$libdir" python3 "$(dirname "$0")/../corvid/CorvidPyTest.py" 2>/dev/null || { echo "corvid.py"; exit 1; }

# From a folder that holds none of the data: help and version need no
# window, and the installed checker reads an installed sample.
cd /
"$prefix/bin/velmora" --version | grep -q '^velmora [0-9]' || { echo "velmora --version"; exit 1; }
"$prefix/bin/velmora" --help | grep -q -- '--version' || { echo "velmora --help"; exit 1; }
"$prefix/bin/velmora-check" "$prefix/share/velmora/programs/sample.txt"

# The desktop entry names a program that is installed.
exec_line=$(grep '^Exec=' "$prefix/share/applications/velmora.desktop")
[ -x "$prefix/bin/$(echo "${exec_line#Exec=}" | cut -d' ' -f1)" ] || { echo "desktop Exec: $exec_line"; exit 1; }
# The Debian package carries the same files.
if command -v dpkg-deb >/dev/null; then
  cpack --config "$build/CPackConfig.cmake" -B "$prefix/package" >/dev/null
  contents=$(dpkg-deb -c "$prefix"/package/velmora_*.deb)
  for f in usr/bin/velmora usr/share/velmora/Sound/warn.wav usr/share/applications/velmora.desktop \
           usr/include/corvid_sim.h "usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug"; do
    grep -q "\./$f\$" <<<"$contents" || { echo "not in the package: $f"; exit 1; }
  done
fi
echo "installed layout ok"
