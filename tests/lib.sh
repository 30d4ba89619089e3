# Helpers of the shell checks, sourced by them; a check sets failure_shot before it can fail. A check waits for what
# it needs with hg_wait_for of scripts/wine-env.sh.
# shellcheck shell=bash

# shellcheck source=scripts/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/wine-env.sh"

step() { echo "-- $*"; }

# Ends the check, with a screenshot of the whole display saved as $failure_shot.
fail() {
  local shot="no screenshot"
  import -window root "$failure_shot" 2>/dev/null && shot="screenshot: $failure_shot"
  echo "FAILED: $* ($shot)" >&2
  exit 1
}

# Sets X, Y, WIDTH and HEIGHT to the place of the Wine desktop named "shell", waiting up to a minute for it.
find_wine_desktop() { hg_wait_for 60 wine_desktop_place; }
# While the desktop starts, a window that a search meets may be gone before it is asked for its name or place.
wine_desktop_place() {
  local id geometry
  for id in $(xdotool search --name "shell - Wine desktop" 2>/dev/null); do
    geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) && eval "$geometry" && return 0
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
