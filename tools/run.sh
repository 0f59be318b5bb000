#!/usr/bin/env bash
# Sets up, builds and starts Gavrin.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
exec build/bin/gavrin
