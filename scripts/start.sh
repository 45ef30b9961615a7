#!/usr/bin/env bash
# Sets everything up, builds, installs into dist/ and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
cmake --install build --prefix dist >/dev/null
exec ./dist/membercard "$@"
