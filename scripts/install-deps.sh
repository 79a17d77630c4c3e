#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when
# they are all present.
set -euo pipefail
pkgs=(cmake g++ make pkg-config qt6-base-dev qt6-serialport-dev qt6-svg-dev libgl-dev fonts-dejavu-core libtomlplusplus-dev)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
