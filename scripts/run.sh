#!/usr/bin/env bash
# Builds the program alone (the "run" preset of CMakePresets.json, build/run: no tests,
# no zeftctl, no tools) and starts it. Installs only what that needs.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
"$ROOT/scripts/install-deps.sh" run

cmake --preset run >/dev/null
cmake --build --preset run -j "$(nproc 2>/dev/null || echo 2)"
exec "$ROOT/build/run/app/zeft" "$@"
