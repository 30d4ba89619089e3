# Functions about the source tree, for a git checkout and for a source archive alike; sourced by the other scripts.
# shellcheck shell=bash

# True when the folder $1 is the top of a git checkout (not a folder inside another one; git may be missing).
hg_is_checkout() {
  [ "$(git -C "$1" rev-parse --show-toplevel 2>/dev/null)" = "$(cd "$1" && pwd -P)" ]
}

# True when $1 is the top of a git checkout without uncommitted changes, untracked files included.
hg_is_clean_checkout() {
  hg_is_checkout "$1" && [ -z "$(git -C "$1" status --porcelain)" ]
}

# The files of the tree $1 whose names match the patterns after it (every file when there are none), one a line,
# relative to it: git's list in a checkout, otherwise every file outside .git and the build folders.
hg_tree_files() {
  local tree=$1 pattern match=()
  shift
  if hg_is_checkout "$tree"; then
    git -C "$tree" ls-files -- "$@"
    return
  fi
  for pattern in "$@"; do match+=(-o -name "$pattern"); done
  if [ ${#match[@]} -gt 0 ]; then match=("${match[@]:1}"); else match=(-true); fi
  (cd "$tree" && find . \( -name .git -o -path ./build -o -path './build-*' \) -prune -o -type f \( "${match[@]}" \) \
    -print) | sed 's|^\./||' | LC_ALL=C sort
}
