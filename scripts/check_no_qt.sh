#!/usr/bin/env bash
# Fails when a file of the core (anything under src/ except ui/ and cli/)
# includes a Qt header.
set -euo pipefail
root=${1:-$(dirname "$0")/..}
hits=$(grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/[^>"]*)[>"]' "$root/src" \
         --include='*.h' --include='*.cpp' | grep -vE "^$root/src/(ui|cli)/" || true)
if [ -n "$hits" ]; then
  echo "Qt included outside src/ui and src/cli:"; echo "$hits"; exit 1
fi
echo "core is free of Qt"
