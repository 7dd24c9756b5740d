#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing Tinsel Jumble need.
# Safe to run again: it only asks apt for what is missing, and says nothing when all is there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libglfw3-dev libgl-dev libgl1-mesa-dri
  libopenal-dev libopenal1
  libstb-dev libvorbis-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick x11-utils libx11-dev
  desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO=sudo
  else
    echo "setup: these packages are missing and I am not root: ${missing[*]}" >&2
    echo "setup: install them with: apt-get install ${missing[*]}" >&2
    exit 1
  fi
else
  SUDO=
fi

export DEBIAN_FRONTEND=noninteractive
if ! $SUDO apt-get update -qq >/dev/null; then
  echo "setup: could not read the package index (apt-get update failed); check the network or apt sources" >&2
  exit 1
fi
if ! $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
  echo "setup: apt-get could not install: ${missing[*]}" >&2
  exit 1
fi
echo "setup: done"
