#!/usr/bin/env bash
# Fails when a C++ file under src/, tests/, bench/ or tools/ differs from what
# clang-format makes of it with the project's .clang-format.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
command -v clang-format >/dev/null || { echo "clang-format is not installed" >&2; exit 1; }
find src tests bench tools \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run -Werror
echo "every source file is formatted"
