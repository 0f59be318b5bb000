#!/usr/bin/env bash
# Sets up, builds and starts Gavrin.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
# Only the program; tools/test.sh builds the tests and benches.
echo "Building Gavrin: about 5 minutes the first time on two cores, seconds after that."
cmake --build build --target gavrin
# The web engine's sandbox cannot run as root; any other user keeps it.
if [ "$(id -u)" -eq 0 ]; then
  echo "Running as root: the web engine's sandbox is off."
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
exec build/bin/gavrin
