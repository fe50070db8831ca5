#!/usr/bin/env bash
# Installs the Debian packages Tarnbeck needs to build, test and run.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  libgl1-mesa-dev
  libgtest-dev libgmock-dev googletest
  libbenchmark-dev
  qt6-qpa-plugins fonts-dejavu-core fonts-dejavu-extra
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

run_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; elif command -v sudo >/dev/null; then sudo "$@"; else
    echo "setup: need root to install: ${missing[*]}" >&2; exit 1; fi
}

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
run_root apt-get update -q
run_root apt-get install -y -q --no-install-recommends "${missing[@]}"
