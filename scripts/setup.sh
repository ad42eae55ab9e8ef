#!/usr/bin/env bash
# Installs what building and testing Quillmar needs on Debian 12, only where it is missing.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config ccache qt6-base-dev libgl-dev libturbojpeg0-dev libdeflate-dev
          libgtest-dev libbenchmark-dev xvfb xauth fonts-dejavu-core clang-format
          desktop-file-utils appstream)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
