# Helpers of the shell checks, sourced by them; a check sets failure_shot before it can fail.
# shellcheck shell=bash

step() { echo "-- $*"; }

# Ends the check, with a screenshot of the whole display saved as $failure_shot.
fail() {
  local shot="no screenshot"
  import -window root "$failure_shot" 2>/dev/null && shot="screenshot: $failure_shot"
  echo "FAILED: $* ($shot)" >&2
  exit 1
}

# Waits up to $1 tenths of a second for a command to succeed. Its output is dropped, not its error output, where a
# check's fail() called from within it says why the check ended.
wait_for() {
  local tries=$1
  shift
  for _ in $(seq "$tries"); do
    "$@" >/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# Sets X, Y, WIDTH and HEIGHT to the place of the Wine desktop named "shell", waiting up to ten seconds for it.
# While the desktop starts, a window that a search meets may be gone before it is asked for its name or place.
find_wine_desktop() {
  local id geometry
  for _ in $(seq 100); do
    for id in $(xdotool search --name "shell - Wine desktop" 2>/dev/null); do
      geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) && eval "$geometry" && return 0
    done
    sleep 0.1
  done
  return 1
}

# A text of the list in res/texts.h, with its values filled in: listed_text JA|EN NAME [VALUE1 [VALUE2]].
listed_text() {
  local text
  text=$(sed -n "s/^#define HG_$1_$2 \"\(.*\)\"\$/\1/p" "$(dirname "${BASH_SOURCE[0]}")/../res/texts.h")
  text=${text//%1/${3:-}}
  printf '%s' "${text//%2/${4:-}}"
}
