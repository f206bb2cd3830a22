#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, and only those missing.
# Sourced by ./run and ./test; a second run finds everything in place and installs nothing.
set -euo pipefail

morvane_packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-noto-cjk fontconfig
  xvfb xauth x11-apps imagemagick xdotool
  poppler-utils
  cups cups-client printer-driver-cups-pdf
)

morvane_missing_packages() {
  local p status
  for p in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || printf '%s\n' "$p"
  done
}

morvane_install_missing() {
  local missing
  mapfile -t missing < <(morvane_missing_packages "$@")
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "Need root (or sudo) to install: ${missing[*]}" >&2; return 1; }
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
}

morvane_build() {
  local root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  if [[ ! -f "$root/build/CMakeCache.txt" ]]; then
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$root/build" -j "$(nproc)"
}
