#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building and testing.
# Packages given as arguments are installed too: scripts/fuzz.sh adds clang
# and its libFuzzer runtime this way, which the normal build does not need.
set -euo pipefail
PKGS="cmake ninja-build g++ ccache qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev libgtest-dev libgmock-dev libbenchmark-dev libjpeg62-turbo-dev libwmf-dev libemf2svg-dev qt6-svg-dev fonts-dejavu-core xvfb xauth $*"
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
fi
