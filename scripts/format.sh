#!/bin/sh
# Formats every C++ file of the project; with --check, lists the files that
# are not formatted and fails.
set -e
cd "$(dirname "$0")/.."
files=$(git ls-files '*.h' '*.cpp')
if [ "$1" = "--check" ]; then
  bad=""
  for f in $files; do
    clang-format --style=file "$f" | cmp -s - "$f" || bad="$bad $f"
  done
  if [ -n "$bad" ]; then
    echo "not formatted (run scripts/format.sh):$bad" >&2
    exit 1
  fi
  exit 0
fi
clang-format --style=file -i $files
