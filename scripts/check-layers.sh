#!/usr/bin/env bash
# Keeps the layers of src/ in order: a file may include only its own layer and those below it.
# The order, lowest first: media < textdata < app < gui < audio < match3 < screens < game.
# Prints every include that points up and exits 1 when there is one. SRC_DIR overrides the tree
# checked (the script's own test plants a fault in a copy).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
src="${SRC_DIR:-$root/src}"
layers=(media textdata app gui audio match3 screens game)

rank() {
  local i
  for i in "${!layers[@]}"; do
    if [ "${layers[$i]}" = "$1" ]; then
      echo "$i"
      return
    fi
  done
  echo -1
}

bad=0
for layer in "${layers[@]}"; do
  [ -d "$src/$layer" ] || continue
  own=$(rank "$layer")
  while IFS= read -r hit; do
    file="${hit%%:*}"
    rest="${hit#*:}"
    line="${rest%%:*}"
    text="${rest#*:}"
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z0-9_]+)\/.*/\1/' <<<"$text")
    [ "$target" = "$text" ] && continue
    theirs=$(rank "$target")
    if [ "$theirs" -gt "$own" ]; then
      echo "${file#"$src"/}:$line: $layer includes $target, a layer above it: ${text#"${text%%[![:space:]]*}"}"
      bad=$((bad + 1))
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$src/$layer" --include='*.h' --include='*.cpp' --include='*.c' || true)
done

if [ "$bad" -gt 0 ]; then
  echo "$bad include(s) point up the layers (${layers[*]})"
  exit 1
fi
echo "layers in order: ${layers[*]}"
