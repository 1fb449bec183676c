#!/usr/bin/env bash
# Installs what is missing, builds the configurator (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

install_missing "${BUILD_PACKAGES[@]}"
configure_and_build build -DCMAKE_BUILD_TYPE=Release -DQM47_BUILD_TESTS=OFF
exec ./build/qm47-configurator "$@"
