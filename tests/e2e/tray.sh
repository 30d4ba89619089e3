#!/usr/bin/env bash
# End to end, as a user would: Hourglade.exe in a Wine desktop with a taskbar, used through its icon in the
# notification area with the pointer and keys of the X display. Screenshots go to the output folder.
#   tests/e2e/tray.sh BUILD/Hourglade.exe OUTPUT-FOLDER      (WINEPREFIX and DISPLAY set by the caller)
set -euo pipefail
exe=$(realpath "$1")
out=$2
probe_exe="$(dirname "$exe")/tests/e2e/hourglade_probe.exe"
mkdir -p "$out"
: "${WINEPREFIX:?}" "${DISPLAY:?}"
export WINEDEBUG=-all

step() { echo "-- $*"; }
fail() {
  echo "FAILED: $*" >&2
  import -window root "$out/failure.png" 2>/dev/null || true
  exit 1
}
probe() { wine "$probe_exe" "$@" 2>/dev/null | tr -d '\r'; }
shot() { import -window root "$out/$1.png"; }
# Waits up to $1 tenths of a second for a command to succeed.
wait_for() {
  local tries=$1
  shift
  for _ in $(seq "$tries"); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Every program of the prefix runs in one Wine desktop named "shell", which has a taskbar.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1000x700 /f >/dev/null 2>&1
wineserver -w

step "start Hourglade.exe"
wine "$exe" &
program=$!
desktop=""
for _ in $(seq 100); do
  desktop=$(xdotool search --name "shell - Wine desktop" 2>/dev/null | head -n 1) && [ -n "$desktop" ] && break
  sleep 0.1
done
[ -n "$desktop" ] || fail "no Wine desktop"
eval "$(xdotool getwindowgeometry --shell "$desktop")"
icon_x=$((X + WIDTH - 10))
icon_y=$((Y + HEIGHT - 10))

# Red pixels in the icon's square: the active icon has them, the idle one none.
red_pixels_in_icon() {
  import -window root -crop "16x16+$((icon_x - 8))+$((icon_y - 8))" txt:- 2>/dev/null |
    awk -F'[(),]' 'NR > 1 && $2 > 150 && $3 < 90 && $4 < 90 { n++ } END { print n + 0 }'
}
icon_present() {
  import -window root -crop "16x16+$((icon_x - 8))+$((icon_y - 8))" txt:- 2>/dev/null |
    awk -F'[(),]' 'NR > 1 && ($2 != $3 || $2 < 200) { n++ } END { exit !(n > 40) }'
}
wait_for 200 icon_present || fail "the icon did not appear in the notification area"
wait_for 100 probe panel main || fail "the main panel does not exist"
[ "$(probe panel main | cut -d' ' -f1)" = hidden ] || fail "a window is shown at start"
[ "$(red_pixels_in_icon)" -eq 0 ] || fail "the icon is active with nothing running"
shot start

step "left press: the main menu"
xdotool mousemove "$icon_x" "$icon_y" click 1
wait_for 50 probe menu || fail "no menu after a left press"
read -r _ _ _ main_menu_height < <(probe menu)
xdotool mousemove_relative -- -30 -40
sleep 0.3
shot main-menu
xdotool key Escape
wait_for 30 bash -c "! wine '$probe_exe' menu" || fail "Esc did not close the main menu"

step "right press: the quick-set menu"
xdotool mousemove "$icon_x" "$icon_y" click 3
wait_for 50 probe menu || fail "no menu after a right press"
read -r _ _ _ quick_menu_height < <(probe menu)
[ "$quick_menu_height" -lt "$main_menu_height" ] || fail "the right press opened the main menu"
xdotool mousemove_relative -- -30 -40
sleep 0.3
shot quick-menu
xdotool key Escape
wait_for 30 bash -c "! wine '$probe_exe' menu" || fail "Esc did not close the quick-set menu"

step "double click: the main panel"
# The first press opens the main menu as ever; a quick second one still reaches the icon as a double click.
xdotool mousemove "$icon_x" "$icon_y" click --repeat 2 --delay 1 1
wait_for 50 bash -c "wine '$probe_exe' panel main | grep -q ^visible" || fail "the main panel was not shown"
if probe menu >/dev/null; then xdotool key Escape; fi
xdotool mousemove $((X + 500)) $((Y + 300))
[ "$(probe control main "$((1046))" | cut -d' ' -f7-)" = "セットされていません。" ] || fail "the alarm's status line"
sleep 0.3
shot main-panel

if [ -n "${HG_E2E_MORE:-}" ]; then source "$HG_E2E_MORE"; fi

step "end"
wineserver -k
wait "$program" 2>/dev/null || true
echo "end-to-end checks passed; screenshots in $out"
