#!/usr/bin/env bash
# Installs what is missing, builds the game and its assets, and starts it. Extra arguments go to
# the game (see README: --window, --level N, ...).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" --target kelvaroth
exec "$root/build/kelvaroth" "$@"
