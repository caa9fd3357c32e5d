#!/usr/bin/env bash
# Installs, with apt, everything Velmora and Corvid need to build, run and test
# on Debian 12. Safe to run again: when every package is present it says nothing.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config git
  clang libclang-rt-14-dev
  # Qt 6: widgets, OpenGL widgets, multimedia, translations, Designer forms
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-multimedia-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n qt6-l10n-tools
  libqt6svg6 qt6-svg-dev qt6-qpa-plugins qt6-wayland
  # sound back end for Qt Multimedia
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  # OpenGL, GLU, freeglut, Mesa and a virtual display for rendering tests
  libgl-dev libglu1-mesa-dev freeglut3-dev libgl1-mesa-dri libglx-mesa0 mesa-utils
  xvfb xauth
  # tests and benchmarks
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # Corvid's Python wrapper is tested from Python
  python3
  # the end-to-end test: window manager, synthetic input, screenshots, OCR
  openbox xdotool x11-utils imagemagick tesseract-ocr tesseract-ocr-eng
  # fonts: Chinese texts and the 3D lettering
  fonts-noto-cjk fonts-liberation fonts-liberation2
  # locale data: tests check number texts under a decimal-comma locale
  locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A German locale, whose decimal comma the number tests run under.
installed_locales=$(locale -a 2>/dev/null || true)
if ! grep -qix 'de_DE\.utf-\?8' <<<"$installed_locales"; then
  echo "install-deps: generating the de_DE.UTF-8 locale"
  if grep -q '^# *de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    $SUDO sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen >/dev/null
fi
