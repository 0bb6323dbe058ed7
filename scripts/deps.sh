#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, where missing.
# Sourced by ./run and ./test.
set -euo pipefail

SSQ_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-webengine-dev libqt6webenginecore6-bin
  fonts-wqy-microhei
  qt6-translations-l10n
)
SSQ_TEST_PACKAGES=(xvfb xauth poppler-utils python3 clang libclang-rt-14-dev)

ssq_install_missing() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

ssq_configure_and_build() {
  local dir=$1
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
  fi
  cmake --build "$dir" -j"$(nproc)"
}
