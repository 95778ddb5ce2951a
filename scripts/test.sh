#!/bin/sh
# Builds and runs the whole suite: the ordinary build, then the
# AddressSanitizer + UndefinedBehaviorSanitizer build.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs="$(nproc)"
scripts/format.sh --check
cmake -S . -B build -DTOLVDATA_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
cmake -S . -B build-asan -DTOLVDATA_SANITIZE=ON -DTOLVDATA_WERROR=ON -DTOLVDATA_BENCH=OFF
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"
