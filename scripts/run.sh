#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$ROOT/scripts/install-deps.sh"

cmake -S "$ROOT" -B "$ROOT/build/normal" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
cmake --build "$ROOT/build/normal" -j "$(nproc 2>/dev/null || echo 2)"

PROGRAM="$ROOT/build/normal/app/zeft"
if [ ! -x "$PROGRAM" ]; then
    echo "The main window is not built yet: the build above produced the core libraries and their tests only."
    echo "Run scripts/test.sh to exercise them."
    exit 0
fi
exec "$PROGRAM" "$@"
