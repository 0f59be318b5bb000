#!/usr/bin/env bash
# Installs what Gavrin needs to build and test on Debian 12, then configures
# build/ for Ninja (the program folder is build/bin); tools/run.sh and
# tools/test.sh build what they need. rsvg-convert renders the icon;
# desktop-file-utils and appstream check the menu entry; dpkg-dev finds the
# Debian package's dependencies and its hardening flags; lintian checks it;
# at-spi2-core, gir1.2-atspi-2.0 and python3-gi let the end-to-end tests read
# the tab bar over the accessibility bus.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev qt6-webengine-dev libgtest-dev
          xvfb xauth xdotool x11-utils openbox python3 fonts-dejavu-core fonts-liberation2
          librsvg2-bin desktop-file-utils appstream dpkg-dev lintian dbus-daemon
          at-spi2-core gir1.2-atspi-2.0 python3-gi)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi

# Arguments go to CMake's configure step, e.g. -DGAVRIN_WARNINGS_AS_ERRORS=ON.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
