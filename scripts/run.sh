#!/bin/sh
# Builds the library and runs its main job, the document road.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target tolvdata_tool
exec build/tools/tolvdata "$@"
