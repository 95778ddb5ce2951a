#!/bin/sh
# Installs the i386 toolchain and libraries the build needs, when missing, and
# the Debian tools the packaging tests, the ABI gate and the fuzz build use.
# Those are optional: where they cannot be installed, their tests are skipped.
set -e
need=""
dpkg -s g++-multilib >/dev/null 2>&1 || need="$need g++-multilib"
dpkg -s libgtest-dev:i386 >/dev/null 2>&1 || need="$need libgtest-dev:i386"
dpkg -s libbenchmark-dev:i386 >/dev/null 2>&1 || need="$need libbenchmark-dev:i386"
command -v cmake >/dev/null 2>&1 || need="$need cmake"
command -v pkg-config >/dev/null 2>&1 || need="$need pkgconf"
command -v clang-format >/dev/null 2>&1 || need="$need clang-format"
optional=""
command -v file >/dev/null 2>&1 || optional="$optional file"
command -v lintian >/dev/null 2>&1 || optional="$optional lintian"
command -v abidiff >/dev/null 2>&1 || optional="$optional abigail-tools"
command -v node >/dev/null 2>&1 || optional="$optional nodejs"
command -v npm >/dev/null 2>&1 || optional="$optional npm"
command -v clang++ >/dev/null 2>&1 || optional="$optional clang"
command -v clang-tidy >/dev/null 2>&1 || optional="$optional clang-tidy"
dpkg -s libclang-rt-14-dev >/dev/null 2>&1 || optional="$optional libclang-rt-14-dev"
if [ -n "$need$optional" ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
    # A mirror in the middle of a sync fails one index now and then: try
    # again, and go on with what was fetched if it still fails.
    for try in 1 2 3; do
        $SUDO apt-get update && break
        echo "deps.sh: apt-get update failed (try $try of 3)" >&2
        sleep 10
    done
    export DEBIAN_FRONTEND=noninteractive
    [ -z "$need" ] || $SUDO apt-get install -y $need
    for p in $optional; do
        $SUDO apt-get install -y --no-install-recommends "$p" ||
            echo "deps.sh: could not install $p; the tests that need it are skipped" >&2
    done
fi

# Some kernels are booted with 32-bit emulation off ("Exec format error" for
# every i386 program). There the i386 programs of the build and the tests run
# under qemu's user-mode emulator, registered with binfmt_misc.
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/i386-exec.sh" ||
    echo "deps.sh: i386 programs cannot run here; the build's generated files and the tests will fail" >&2

# The export checks run under node: the packages of scripts/npm/package.json
# (versions pinned) go to .cache/npm of the repository. Without node or the
# registry the build still works; those checks are then skipped.
npmdir="${TOLVDATA_NPM_DIR:-$root/.cache/npm}"
if command -v node >/dev/null 2>&1 && command -v npm >/dev/null 2>&1; then
    mkdir -p "$npmdir"
    if ! cmp -s "$root/scripts/npm/package.json" "$npmdir/package.json" || [ ! -d "$npmdir/node_modules" ]; then
        cp "$root/scripts/npm/package.json" "$npmdir/package.json"
        npm install --prefix "$npmdir" --no-audit --no-fund --omit=dev --save-exact >/dev/null ||
            echo "deps.sh: npm packages not installed; the Kaitai and schema checks will be skipped" >&2
    fi
else
    echo "deps.sh: node or npm missing; the Kaitai and schema checks will be skipped" >&2
fi
exit 0
