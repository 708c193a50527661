#!/usr/bin/env bash
# Fails when a file includes a header of a layer it may not use: a layer uses only those below
# it (platform and ini at the bottom, then framework, kit with its sprites, and app on top; the
# examples use the layers and never the tools), and only the bottom layer names
# the window system's libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
declare -A allowed=(
  [platform]="platform"
  [ini]="ini platform"
  [framework]="framework platform ini"
  [kit]="kit platform ini"
  [app]="app kit framework ini platform assets"
  [assets]="assets platform"
  [examples]="examples kit framework ini platform assets"
)
status=0
for layer in "${!allowed[@]}"; do
  while IFS=: read -r file line text; do
    used=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$text")
    if [[ " ${allowed[$layer]} " != *" $used "* ]]; then
      echo "$file:$line: $layer includes from $used: $text"
      status=1
    fi
  done < <(grep -rnE '^#include "[a-z_]+/' "$layer" --include='*.cpp' --include='*.hpp' || true)
done
# The window and GL libraries are the bottom layer's business alone.
if grep -rnE '^#include <(SDL|epoxy|GL/|X11/)' ini framework kit app --include='*.cpp' --include='*.hpp'; then
  echo "only platform/ includes SDL, GL or X headers"
  status=1
fi
exit $status
