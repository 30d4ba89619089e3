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

# The folder under $2 in which hg_build_again clones the checkout $1: its path has another length than $1's, so that
# an absolute path in the program would show.
hg_clone_folder() {
  local clone=$2/hourglade
  [ ${#clone} -ne ${#1} ] || clone=$2/hourglade-again
  echo "$clone"
}

# Builds and packages the commit $2 of the checkout $1 a second time, for scripts/package --check-reproducible to
# compare with: in a fresh clone in the folder $3 (see hg_clone_folder), at another time, with another time zone and
# umask. Nothing of $1's build is reused; the installed packages are. What the build prints goes to $3/package.log.
hg_build_again() {
  local clone
  clone=$(hg_clone_folder "$1" "$3")
  git clone -q --no-hardlinks --no-checkout "$1" "$clone" && git -C "$clone" checkout -q "$2" &&
    (umask 077 && TZ=Pacific/Kiritimati "$clone/scripts/package" >"$3/package.log" 2>&1)
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
