#!/usr/bin/env bash
# Builds the program (the "normal" preset of CMakePresets.json, build/normal) and starts it.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
"$ROOT/scripts/install-deps.sh"

cmake --preset normal >/dev/null
cmake --build --preset normal -j "$(nproc 2>/dev/null || echo 2)" --target zeft
exec "$ROOT/build/normal/app/zeft" "$@"
