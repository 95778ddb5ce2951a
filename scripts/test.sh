#!/bin/sh
# Builds and runs the whole suite: the ordinary build and clang-tidy's checks,
# the AddressSanitizer + UndefinedBehaviorSanitizer build, then clang's build
# with the libFuzzer targets (a short run of each) where clang and its i386
# runtime are there.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
# Under qemu's user-mode emulator LeakSanitizer hangs (no ptrace) and ASan's
# default quarantine does not fit: the same options as the tests' for the
# programs the builds themselves run (test discovery, generated files).
if [ "$(head -n 1 /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null)" = enabled ]; then
    export ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=8
    echo "test.sh: i386 programs run under qemu-i386 here; LeakSanitizer is off" >&2
fi
jobs="$(nproc)"
scripts/format.sh --check
cmake -S . -B build -DTOLVDATA_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
if command -v clang-tidy >/dev/null 2>&1; then
    scripts/tidy.sh
else
    echo "test.sh: clang-tidy missing; its checks are skipped" >&2
fi
cmake -S . -B build-asan -DTOLVDATA_SANITIZE=ON -DTOLVDATA_WERROR=ON -DTOLVDATA_BENCH=OFF
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

probe="$(mktemp)"
clang=""
command -v clang++ >/dev/null 2>&1 &&
    echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' |
    clang++ -m32 -fsanitize=fuzzer,address,undefined -x c++ - -o "$probe" >/dev/null 2>&1 && clang=yes
rm -f "$probe"
if [ -n "$clang" ]; then
    cmake --preset fuzz -DTOLVDATA_WERROR=ON
    cmake --build build-fuzz -j"$jobs"
    ctest --test-dir build-fuzz --output-on-failure -j"$jobs"
else
    echo "test.sh: clang or its i386 sanitizer and fuzzer runtime missing; the fuzz build is skipped" >&2
fi
