#!/usr/bin/env bash
# Sets up, builds and starts Tarnwick; the arguments are passed on (the path of an APK file).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/setup.sh"
bash "$here/build.sh" --target tarnwick
exec "$here/../build/tarnwick" "$@"
