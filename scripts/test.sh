#!/usr/bin/env bash
# Sets everything up, builds and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMM_WERROR="$werror" >/dev/null
cmake --build build -j"$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
