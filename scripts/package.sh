#!/bin/sh
# Builds the Debian packages (libtolvdata0, libtolvdata-dev, tolvdata-tools)
# from the ordinary build into build/packages/.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target tolvdata tolvdata_tool
cpack --config build/CPackConfig.cmake
ls -1 build/packages/*.deb
