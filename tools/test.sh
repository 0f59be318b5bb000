#!/usr/bin/env bash
# Sets up, builds and runs every test headless: unit and window tests on the
# offscreen platform, end-to-end tests of the real program under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --build build
# The web engine's sandbox cannot run as root; the tests may.
export QTWEBENGINE_DISABLE_SANDBOX=1
cd build
ctest --output-on-failure --timeout 600 "$@"
