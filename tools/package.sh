#!/usr/bin/env bash
# Builds the Debian package, as a Debian build would, into build-package/:
# CMake's default generator, no tests, and the compiler and linker flags
# dpkg-buildflags gives with every hardening feature (relro, BIND_NOW,
# fortify, stack protector). Arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
# CMake reads no CPPFLAGS; fortify comes in with the compiler's flags.
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF "$@"
cmake --build build-package --parallel "$(nproc)"
(cd build-package && cpack -G DEB)
