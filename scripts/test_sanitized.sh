#!/usr/bin/env bash
# Builds the program and the tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs every test; any sanitizer report fails its test, and so the run.
# TARNWICK_WERROR=ON in the environment makes every warning an error (CI sets it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
[ -f build-asan/CMakeCache.txt ] && generator=()
# -O1 keeps the tests fast enough; use-after-scope is still caught there.
cmake -S . -B build-asan "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 \
  -DTARNWICK_SANITIZE=address,undefined -DTARNWICK_BENCH=OFF -DTARNWICK_WERROR="${TARNWICK_WERROR:-OFF}" >/dev/null
# Set for the build too: test discovery runs the test binary.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cmake --build build-asan -j"$(nproc)"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
