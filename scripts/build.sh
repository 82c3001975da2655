#!/usr/bin/env bash
# Configures and builds into build/ (Release) and places the system's adb and aapt beside the program.
set -euo pipefail
cd "$(dirname "$0")/.."
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
[ -f build/CMakeCache.txt ] && generator=()
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
for tool in adb aapt; do
  if real=$(command -v "$tool"); then ln -sf "$real" "build/$tool"; fi
done
