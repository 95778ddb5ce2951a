#!/bin/sh
# Installs the i386 toolchain and libraries the build needs, when missing, and
# the Debian tools the packaging tests and the ABI gate use. Those are
# optional: where they cannot be installed, their tests are skipped.
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
[ -z "$need$optional" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
$SUDO apt-get update
export DEBIAN_FRONTEND=noninteractive
[ -z "$need" ] || $SUDO apt-get install -y $need
for p in $optional; do
    $SUDO apt-get install -y --no-install-recommends "$p" ||
        echo "deps.sh: could not install $p; the tests that need it are skipped" >&2
done
exit 0
