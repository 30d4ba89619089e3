#!/usr/bin/env bash
# The format check of scripts/lint passes on a copy of the tree and fails, naming the file, once a line of one of
# its C++ files is misformatted; in a git checkout and in a tree without git alike.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT

# shellcheck source=scripts/tree.sh
source "$root/scripts/tree.sh"
# The copy of a checkout is a checkout too, so that scripts/lint lists its files as in the tree.
hg_tree_files "$root" | (cd "$root" && xargs -d '\n' cp --parents -t "$copy")
if hg_is_checkout "$root"; then git -C "$copy" init -q && git -C "$copy" add -A; fi
"$copy/scripts/lint" format >/dev/null 2>&1 || { echo "the format check fails on the unchanged tree" >&2 && exit 1; }

victim=$(hg_tree_files "$copy" '*.cpp' | head -n 1)
echo 'int  misplaced( ){return 0;}' >>"$copy/$victim"
if "$copy/scripts/lint" format >"$copy/output" 2>&1; then
  echo "the format check passed with a misformatted line in $victim" >&2
  exit 1
fi
if ! grep -q "^$victim:.*clang-format" "$copy/output"; then
  echo "the format check failed without naming $victim:" >&2
  cat "$copy/output" >&2
  exit 1
fi
echo "the format check fails on a misformatted $victim"
