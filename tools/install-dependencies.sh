#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Morvane
# need, and only those that are missing. Runs apt-get as root, or via sudo.
# libclang-rt-14-dev holds libFuzzer's runtime; clang only recommends it, so
# it is named here for the fuzz targets (fuzz/).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libasound2-dev
  qt6-base-dev qt6-svg-dev libfontconfig-dev fonts-liberation
  # building the Debian packages and checking them (tests/package)
  dpkg-dev desktop-file-utils appstream shared-mime-info lintian
  # the fuzz targets (fuzz/): clang only recommends libFuzzer's runtime
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
