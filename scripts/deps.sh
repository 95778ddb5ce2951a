#!/bin/sh
# Installs the i386 toolchain and libraries the build needs, when missing.
set -e
need=""
dpkg -s g++-multilib >/dev/null 2>&1 || need="$need g++-multilib"
dpkg -s libgtest-dev:i386 >/dev/null 2>&1 || need="$need libgtest-dev:i386"
dpkg -s libbenchmark-dev:i386 >/dev/null 2>&1 || need="$need libbenchmark-dev:i386"
command -v cmake >/dev/null 2>&1 || need="$need cmake"
command -v pkg-config >/dev/null 2>&1 || need="$need pkgconf"
command -v clang-format >/dev/null 2>&1 || need="$need clang-format"
[ -z "$need" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y $need
