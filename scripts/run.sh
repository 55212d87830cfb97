#!/usr/bin/env bash
# Installs what is missing, builds, and starts the configurator.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
./scripts/build.sh
exec ./build/program/BrindelcoreFirmWare
