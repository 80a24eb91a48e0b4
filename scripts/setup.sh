#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures.
set -euo pipefail
PKGS=(cmake ninja-build g++ clang libclang-rt-14-dev
      qt6-base-dev qt6-base-dev-tools libqscintilla2-qt6-dev libgl-dev
      zlib1g-dev nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
      imagemagick-6.q16   # identify: a second reader of the BMP files in the render tests
      desktop-file-utils) # desktop-file-validate: the installed desktop entry is checked
PKGS+=("$@")
missing=()
for p in "${PKGS[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
