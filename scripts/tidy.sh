#!/bin/sh
# Runs clang-tidy over the library, tool and test sources of build/.
set -e
cd "$(dirname "$0")/.."
[ -f build/compile_commands.json ] || cmake -S . -B build >/dev/null
files=$(git ls-files 'platform/*.cpp' 'companions/*.cpp' 'core/*.cpp' 'records/*.cpp' 'module/*.cpp' 'tools/*.cpp')
status=0
for f in $files; do
  clang-tidy -p build --quiet "$f" 2>/dev/null || status=1
done
exit $status
