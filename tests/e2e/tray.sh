#!/usr/bin/env bash
# End to end, as a user would: Hourglade.exe in a Wine desktop with a taskbar, used through its icon in the
# notification area with the pointer and keys of the X display. Screenshots go to the output folder.
#   tests/e2e/tray.sh BUILD/Hourglade.exe OUTPUT-FOLDER [ja|en]     (WINEPREFIX and DISPLAY set by the caller)
# The program shows the language of the locale it runs in: Japanese (the default) runs it with LANG=ja_JP.UTF-8,
# English with LANG=en_US.UTF-8.
set -euo pipefail
exe=$(realpath "$1")
out=$2
probe_exe="$(dirname "$exe")/tests/e2e/hourglade_probe.exe"
language=${3:-ja}
mkdir -p "$out"
: "${WINEPREFIX:?}" "${DISPLAY:?}"
export WINEDEBUG=-all
case "$language" in
  ja) export LANG=ja_JP.UTF-8 list=JA ;;
  en) export LANG=en_US.UTF-8 list=EN ;;
  *) echo "tray.sh: no language $language (ja, en)" >&2; exit 2 ;;
esac

# shellcheck source=tests/lib.sh
source "$(dirname "$0")/../lib.sh"
failure_shot=$out/failure.png
probe() { wine "$probe_exe" "$@" 2>/dev/null; }
shot() { import -window root "$out/$1.png"; }
text() { listed_text "$list" "$@"; }

# Every program of the prefix runs in one Wine desktop named "shell", which has a taskbar.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1000x700 /f >/dev/null 2>&1
wineserver -w

step "start Hourglade.exe"
wine "$exe" &
program=$!
find_wine_desktop || fail "no Wine desktop"
icon_x=$((X + WIDTH - 10))
icon_y=$((Y + HEIGHT - 10))

# The icon's square as "red green blue" lines, one per pixel.
icon_pixels() {
  import -window root -crop "16x16+$((icon_x - 8))+$((icon_y - 8))" -depth 8 txt:- 2>/dev/null |
    awk -F'[(),]' 'NR > 1 { print $3, $4, $5 }'
}
# Red pixels in the icon: the active icon has them, the idle one none.
red_pixels_in_icon() { icon_pixels | awk '$1 > 150 && $2 < 90 && $3 < 90 { n++ } END { print n + 0 }'; }
# The icon's grey square (the taskbar around it is white).
icon_present() { icon_pixels | awk '$1 < 160 && $1 == $2 && $2 == $3 { n++ } END { exit !(n > 100) }'; }
# A click on an empty part of the desktop closes an open menu.
close_menu() {
  xdotool mousemove $((X + 600)) $((Y + 400)) click 1
  wait_for 30 bash -c "! wine '$probe_exe' menu"
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
close_menu || fail "a click elsewhere did not close the main menu"

step "right press: the quick-set menu"
xdotool mousemove "$icon_x" "$icon_y" click 3
wait_for 50 probe menu || fail "no menu after a right press"
read -r _ _ _ quick_menu_height < <(probe menu)
[ "$quick_menu_height" -lt "$main_menu_height" ] || fail "the right press opened the main menu"
xdotool mousemove_relative -- -30 -40
sleep 0.3
shot quick-menu
close_menu || fail "a click elsewhere did not close the quick-set menu"

step "double click: the main panel"
# The first press opens the main menu as ever; a quick second one still reaches the icon as a double click.
xdotool mousemove "$icon_x" "$icon_y" click --repeat 2 --delay 1 1
wait_for 50 bash -c "wine '$probe_exe' panel main | grep -q ^visible" || fail "the main panel was not shown"
if probe menu >/dev/null; then close_menu; fi
[ "$(probe control main "$((1046))" | cut -d' ' -f7-)" = "$(text StatusNotSet)" ] || fail "the alarm's status line"
sleep 0.3
shot main-panel

# Opens the main menu at the icon and clicks its item number $1: 1 main panel, 2 alarm, 3 timer, 4 counter,
# 5 power-off, 6 exit. Separators follow items 1 and 5; the rows share the menu's height
# but for the separators' and the frame's pixels.
choose_from_main_menu() {
  local x y w h row_height item_y
  xdotool mousemove "$icon_x" "$icon_y" click 1
  wait_for 50 probe menu || fail "no menu after a left press"
  read -r x y w h < <(probe menu)
  row_height=$(((h - 6 - 2 * 9) / 6))
  item_y=$((y + 3 + ($1 - 1) * row_height + row_height / 2))
  [ "$1" -gt 1 ] && item_y=$((item_y + 9))
  [ "$1" -gt 5 ] && item_y=$((item_y + 9))
  xdotool mousemove $((x + w / 2)) "$item_y"
  sleep 0.2
  xdotool click 1
}
# The centre of a control: "probe control" prints x y width height first.
control_centre() {
  local x y w h
  read -r x y w h _ < <(probe control "$1" "$2") || return 1
  echo "$((x + w / 2)) $((y + h / 2))"
}
click_control() {
  local centre
  centre=$(control_centre "$1" "$2") || fail "no control $2 on the $1 panel"
  # shellcheck disable=SC2086
  xdotool mousemove $centre click 1
}
control_text() { probe control "$1" "$2" | cut -d' ' -f7-; }
# Picks digit $3 for digit button $2 of panel $1 with the digit picker that opens below the button: the pointer
# moves onto the digit's cell (18 pixels at 96 dpi; 0 spans the top row) and presses there.
pick_digit() {
  local panel=$1 id=$2 digit=$3 x y w h cell_x cell_y
  read -r x y w h _ < <(probe control "$panel" "$id")
  click_control "$panel" "$id"
  sleep 0.4
  if [ "$digit" -eq 0 ]; then
    cell_x=$((x + 28)) cell_y=$((y + h + 10))
  else
    cell_x=$((x + 1 + (digit - 1) % 3 * 18 + 9)) cell_y=$((y + h + 1 + ((digit - 1) / 3 + 1) * 18 + 9))
  fi
  xdotool mousemove "$cell_x" "$cell_y"
  sleep 0.2
  [ -n "${4:-}" ] && shot "$4"
  xdotool click 1
  wait_for 30 bash -c "[ \"\$(wine '$probe_exe' control $panel $id | cut -d' ' -f7-)\" = $digit ]" ||
    fail "the picker did not put $digit on button $id of the $panel panel"
}
panel_visible() { probe panel "$1" | grep -q ^visible; }

step "timer: open its panel from the menu, pick 00:03 with the digit picker, Set"
choose_from_main_menu 3
wait_for 50 panel_visible timer || fail "the timer panel was not shown"
pick_digit timer 1033 0
pick_digit timer 1034 0
pick_digit timer 1035 0
pick_digit timer 1036 3 digit-picker
click_control timer 1037
wait_for 20 bash -c "wine '$probe_exe' control main 1047 | grep -qF '$(text StatusSet)'" ||
  fail "the timer's status line does not say it is set"
[ "$(red_pixels_in_icon)" -gt 0 ] || fail "the icon is not active while the timer runs"
shot timer-running
wait_for 100 panel_visible notice || fail "no notice when the timer ran out"
[ "$(probe panel notice | cut -d' ' -f7-)" = "$(text TimerNotice 00 03)" ] || fail "the timer's notice text"
[ "$(red_pixels_in_icon)" -eq 0 ] || fail "the icon is still active after the timer ran out"
shot timer-notice
xdotool key Escape
wait_for 30 bash -c "! wine '$probe_exe' panel notice | grep -q ^visible" || fail "Esc did not close the notice"

step "timer by keyboard alone after the menu: Tab to the first digit, type 0 0 0 3, Space on Set"
choose_from_main_menu 3
wait_for 50 panel_visible timer || fail "the timer panel was not shown"
focused() { [ "$(probe focus)" = "$1" ]; }
for _ in $(seq 8); do
  focused 1033 && break
  xdotool key Tab
  sleep 0.2
done
focused 1033 || fail "Tab did not reach the first digit"
# Each typed digit moves the focus on, after the fourth to Set.
for typed in "0 1034" "0 1035" "0 1036" "3 1037"; do
  read -r key next <<<"$typed"
  xdotool key "$key"
  wait_for 20 focused "$next" || fail "typing $key did not move the focus to $next"
done
[ "$(control_text timer 1033)$(control_text timer 1034)$(control_text timer 1035)$(control_text timer 1036)" = 0003 ] ||
  fail "the typed digits are not 0003"
shot timer-typed
xdotool key space
wait_for 20 bash -c "wine '$probe_exe' control main 1047 | grep -qF '$(text StatusSet)'" ||
  fail "Space on Set did not set the timer"
wait_for 100 panel_visible notice || fail "no notice when the typed timer ran out"
[ "$(probe panel notice | cut -d' ' -f7-)" = "$(text TimerNotice 00 03)" ] || fail "the typed timer's notice text"
xdotool key Escape
wait_for 30 bash -c "! wine '$probe_exe' panel notice | grep -q ^visible" || fail "Esc did not close the notice"

step "alarm: open its panel, pick a time two hours ahead, Set"
choose_from_main_menu 2
wait_for 50 panel_visible alarm || fail "the alarm panel was not shown"
hour=$(( (10#$(date +%H) + 2) % 24 ))
pick_digit alarm 1033 $((hour / 10))
pick_digit alarm 1034 $((hour % 10))
pick_digit alarm 1035 3
pick_digit alarm 1036 0
click_control alarm 1037
wait_for 20 bash -c "wine '$probe_exe' control main 1046 | grep -qF '$(text StatusSet)'" ||
  fail "the alarm's status line does not say it is set"
hours_left="$(control_text alarm 1038)$(control_text alarm 1039)"
case "$hours_left" in 01 | 02) ;; *) fail "the alarm shows $hours_left hours left" ;; esac
[ "$(red_pixels_in_icon)" -gt 0 ] || fail "the icon is not active while the alarm is set"
shot alarm-panel

step "counter and power-off panels"
choose_from_main_menu 4
wait_for 50 panel_visible counter || fail "the counter panel was not shown"
shot counter-panel
choose_from_main_menu 5
wait_for 50 panel_visible shutdown || fail "the power-off panel was not shown"
click_control shutdown 1052
sleep 0.4
shot shutdown-panel
xdotool key Escape

step "exit with the removal box ticked"
choose_from_main_menu 6
wait_for 50 panel_visible exit || fail "no exit confirmation"
click_control exit 1047
sleep 0.2
shot exit
click_control exit 1
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with exit code $status"
sleep 0.5
if icon_present; then fail "the icon is still in the notification area"; fi
shot end
wineserver -k
echo "end-to-end checks passed; screenshots in $out"
