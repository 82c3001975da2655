#!/usr/bin/env bash
# Configures and builds into build/ (Release); the build links adb, aapt and aapt-arm-pie beside the
# program. Arguments are passed to cmake --build (run.sh builds only the program: --target tarnwick).
# TARNWICK_WERROR=ON in the environment makes every warning an error (CI sets it).
set -euo pipefail
cd "$(dirname "$0")/.."
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
[ -f build/CMakeCache.txt ] && generator=()
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
  -DTARNWICK_WERROR="${TARNWICK_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)" "$@"
