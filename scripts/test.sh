#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. BUILD_DIR and extra CMake
# options (CMAKE_ARGS) let CI run the same suite under the sanitizers.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
bash "$root/scripts/install-deps.sh"
# shellcheck disable=SC2086
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-}
cmake --build "$build"
# A build without its own pictures and sounds (-DKELVAROTH_ASSETS=OFF) can borrow those of
# another build: ASSETS_FROM names that build's folder. Files the build has stay its own.
if [ -n "${ASSETS_FROM:-}" ]; then
  (cd "$ASSETS_FROM/game" && find . -type f) | while IFS= read -r f; do
    [ -e "$build/game/$f" ] || install -D -m 644 "$ASSETS_FROM/game/$f" "$build/game/$f"
  done
fi
export SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-offscreen}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
"$build/kelvaroth" --check-data --datadir "$build"
ctest --test-dir "$build" --output-on-failure -j 2
