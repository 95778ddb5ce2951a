#!/bin/sh
# Runs clang-tidy over the library and tool sources of build/; fails on any
# finding.
set -e
cd "$(dirname "$0")/.."
[ -f build/compile_commands.json ] || cmake -S . -B build >/dev/null
# The compile commands without the flags only GCC knows.
db="$(mktemp -d)"
trap 'rm -rf "$db"' EXIT
sed -e 's/ -Wno-restrict//g' -e 's/ -mmem\(cpy\|set\)-strategy=[^ ]*//g' build/compile_commands.json >"$db/compile_commands.json"
# Every finding is an error (.clang-tidy); one file per process, as many as
# there are processors.
git ls-files 'platform/*.cpp' 'companions/*.cpp' 'core/*.cpp' 'records/*.cpp' 'module/*.cpp' 'tools/*.cpp' |
  xargs -P "$(nproc)" -n 1 sh -c 'clang-tidy -p "$0" --quiet "$1" 2>/dev/null' "$db"
