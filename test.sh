#!/usr/bin/env bash
# Installs what is missing, builds the test configuration (clang, AddressSanitizer
# and UndefinedBehaviorSanitizer, warnings as errors) and runs the whole suite
# headless: offscreen for the widget tests, a private Xvfb for keyboard capture.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
configure_and_build build-test -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DQM47_SANITIZE=ON -DQM47_WERROR=ON -DQM47_BUILD_TESTS=ON

# A private X server for the tests that need real keyboard capture.
display_number=$(( 90 + RANDOM % 100 ))
while [ -e "/tmp/.X${display_number}-lock" ]; do display_number=$((display_number + 1)); done
Xvfb ":${display_number}" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
export QM47_TEST_DISPLAY=":${display_number}"

cd build-test
ctest --output-on-failure --parallel 2 --timeout 600
