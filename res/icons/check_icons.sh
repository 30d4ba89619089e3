#!/bin/sh
# Draws the icons afresh into a scratch directory and compares them byte for byte with the
# committed ones. Exits non-zero when they differ or cannot be drawn.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM
python3 "$here/make_icons.py" "$tmp"
status=0
for name in idle.ico active.ico; do
    if cmp -s "$tmp/$name" "$here/$name"; then
        echo "ok: $name"
    else
        echo "DIFFERS: $name (run res/icons/make_icons.py and commit the result)" >&2
        status=1
    fi
done
exit $status
