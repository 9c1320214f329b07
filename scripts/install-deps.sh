#!/usr/bin/env bash
# Installs the Debian packages the build needs, skipping those already present.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
          qt6-base-dev zlib1g-dev libgtest-dev libgmock-dev nlohmann-json3-dev
          libbenchmark-dev xvfb xdotool libpugixml-dev libglpk-dev
          # the package and its check: CPack's dependency scan, the validators, the linter
          dpkg-dev file desktop-file-utils appstream lintian shared-mime-info
          bash-completion librsvg2-bin)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
