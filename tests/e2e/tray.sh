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
# One probe process answers every question, through two pipes: a Wine process for each would take a third of a second.
pipes=$(mktemp -d)
trap 'rm -rf "$pipes"' EXIT
mkfifo "$pipes/questions" "$pipes/answers"
# Asks the probe a question ($*) and sets answer to its whole answer, up to the line "end" that closes it; returns the
# probe's exit code. Asked in this shell, never in a subshell or a pipeline, which could leave the closing line for
# the next question to read, and where a probe that did not answer would not end the check.
ask() {
  local line
  [ "$BASH_SUBSHELL" -eq 0 ] || fail "the probe was asked from a subshell: $*"
  answer=""
  echo "$*" >&7
  while IFS= read -r -t 10 line <&8; do
    case "$line" in
      "end "*) return "${line#end }" ;;
      *) answer+=${answer:+$'\n'}$line ;;
    esac
  done
  fail "the probe did not answer: $*${answer:+; it said only: $answer}"
}
# Words of the last answer as cut numbers them: "7-" is the seventh and those after it.
answer_words() { cut -d' ' -f"$1" <<<"$answer"; }
shot() { import -window root "$out/$1.png"; }
# A screenshot once the screen has settled (two looks in a row alike, which a window still painting would not give),
# or after five seconds.
settled_shot() {
  screen=""
  hg_wait_for 5 screen_settled || true
  shot "$1"
}
# Whether the screen looks as it did at the last call; screen keeps its digest.
screen_settled() {
  local previous=$screen
  screen=$(import -window root -depth 8 rgb:- 2>/dev/null | md5sum)
  [ "$screen" = "$previous" ]
}
text() { listed_text "$list" "$@"; }

# Every program of the prefix runs in one Wine desktop named "shell", which has a taskbar.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1000x700 /f >/dev/null 2>&1
wineserver -w

step "start Hourglade.exe"
wine "$exe" &
program=$!
find_wine_desktop || fail "no Wine desktop"
wine "$probe_exe" serve <"$pipes/questions" >"$pipes/answers" 2>/dev/null &
probe=$!
exec 7>"$pipes/questions" 8<"$pipes/answers"
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
icon_gone() { ! icon_present; }
# Clicks the icon with button $1 (as xdotool names them; "--repeat 2" before it clicks twice). Two clicks on the icon
# within the double-click time are a double click, which opens the main panel instead of a menu: a click waits until
# that time has passed since the last.
last_icon_click=0
click_icon() {
  local double_click_ms=600 now
  now=$(date +%s%3N)
  while [ $((now - last_icon_click)) -lt $double_click_ms ]; do
    sleep 0.05
    now=$(date +%s%3N)
  done
  xdotool mousemove "$icon_x" "$icon_y" click "$@"
  last_icon_click=$(date +%s%3N)
}
menu_closed() { ! ask menu; }
popup_closed() { ! ask popup; }
panel_visible() { ask panel "$1" && [ "$(answer_words 1)" = visible ]; }
panel_hidden() { ! panel_visible "$1"; }
# The text of panel $1 (a notice's or an error's) is $2.
panel_says() { ask panel "$1" && [ "$(answer_words 7-)" = "$2" ]; }
control_says() { ask control "$1" "$2" && [ "$(answer_words 7-)" = "$3" ]; }
# Sets texts to the texts of the controls $2... of panel $1, one after the other.
read_texts() {
  local id
  texts=""
  for id in "${@:2}"; do
    ask control "$1" "$id" || return 1
    texts+=$(answer_words 7-)
  done
}
# The main panel's status line $1 says $2: the checks see the English or the Japanese text of the list.
status_says() { ask control main "$1" && [[ "$(answer_words 7-)" == *"$2"* ]]; }
checked() { ask control "$1" "$2" && [ "$(answer_words 6)" = 1 ]; }
# Whether the open menu highlights its item at the screen's y $1, the one under the pointer: most of the row across
# the menu is the highlight's blue.
highlighted_at() {
  local x w
  ask menu || return 1
  read -r x _ w _ <<<"$answer"
  import -window root -crop "${w}x1+${x}+$1" -depth 8 txt:- 2>/dev/null |
    awk -F'[(),]' -v width="$w" 'NR > 1 && $5 > 200 && $3 < 120 { n++ } END { exit !(n > width / 2) }'
}
# A click on an empty part of the desktop closes an open menu.
close_menu() {
  xdotool mousemove $((X + 600)) $((Y + 400)) click 1
  hg_wait_for 10 menu_closed
}
hg_wait_for 60 icon_present || fail "the icon did not appear in the notification area"
hg_wait_for 30 ask panel main || fail "the main panel does not exist"
[ "$(answer_words 1)" = hidden ] || fail "a window is shown at start: the main panel is $answer"
[ "$(red_pixels_in_icon)" -eq 0 ] || fail "the icon is active with nothing running"
shot start

step "left press: the main menu"
click_icon 1
hg_wait_for 10 ask menu || fail "no menu after a left press"
read -r _ _ _ main_menu_height <<<"$answer"
xdotool mousemove_relative -- -30 -40
hg_wait_for 10 highlighted_at $((icon_y - 40)) ||
  fail "the item under the pointer is not highlighted in the main menu"
settled_shot main-menu
close_menu || fail "a click elsewhere did not close the main menu"

step "right press: the quick-set menu"
click_icon 3
hg_wait_for 10 ask menu || fail "no menu after a right press"
read -r _ _ _ quick_menu_height <<<"$answer"
[ "$quick_menu_height" -lt "$main_menu_height" ] ||
  fail "the right press opened the main menu: $quick_menu_height pixels high, as the main menu's $main_menu_height"
xdotool mousemove_relative -- -30 -40
hg_wait_for 10 highlighted_at $((icon_y - 40)) ||
  fail "the item under the pointer is not highlighted in the quick-set menu"
settled_shot quick-menu
close_menu || fail "a click elsewhere did not close the quick-set menu"

step "double click: the main panel"
# The first press opens the main menu as ever; a quick second one still reaches the icon as a double click.
click_icon --repeat 2 --delay 1 1
hg_wait_for 10 panel_visible main || fail "the main panel was not shown"
if ask menu; then close_menu; fi
control_says main 1046 "$(text StatusNotSet)" || fail "the alarm's status line: $answer"
settled_shot main-panel

# Opens the main menu at the icon and clicks its item number $1: 1 main panel, 2 alarm, 3 timer, 4 counter,
# 5 power-off, 6 exit. Separators follow items 1 and 5; the rows share the menu's height
# but for the separators' and the frame's pixels.
choose_from_main_menu() {
  local x y w h row_height item_y
  click_icon 1
  hg_wait_for 10 ask menu || fail "no menu after a left press"
  read -r x y w h <<<"$answer"
  row_height=$(((h - 6 - 2 * 9) / 6))
  item_y=$((y + 3 + ($1 - 1) * row_height + row_height / 2))
  [ "$1" -gt 1 ] && item_y=$((item_y + 9))
  [ "$1" -gt 5 ] && item_y=$((item_y + 9))
  xdotool mousemove $((x + w / 2)) "$item_y"
  hg_wait_for 10 highlighted_at "$item_y" || fail "item $1 of the main menu is not highlighted"
  xdotool click 1
}
# Clicks the centre of a control: the probe's answer gives x y width height first.
click_control() {
  local x y w h
  ask control "$1" "$2" || fail "no control $2 on the $1 panel"
  read -r x y w h _ <<<"$answer"
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
}
# Picks digit $3 for digit button $2 of panel $1 with the digit picker that opens below the button: the pointer
# moves onto the digit's cell (18 pixels at 96 dpi; 0 spans the top row) and presses there.
pick_digit() {
  local panel=$1 id=$2 digit=$3 x y w h cell_x cell_y
  ask control "$panel" "$id" || fail "no control $id on the $panel panel"
  read -r x y w h _ <<<"$answer"
  click_control "$panel" "$id"
  hg_wait_for 10 ask popup || fail "no digit picker below button $id of the $panel panel"
  if [ "$digit" -eq 0 ]; then
    cell_x=$((x + 28)) cell_y=$((y + h + 10))
  else
    cell_x=$((x + 1 + (digit - 1) % 3 * 18 + 9)) cell_y=$((y + h + 1 + ((digit - 1) / 3 + 1) * 18 + 9))
  fi
  xdotool mousemove "$cell_x" "$cell_y"
  [ -n "${4:-}" ] && settled_shot "$4"
  xdotool click 1
  hg_wait_for 10 control_says "$panel" "$id" "$digit" ||
    fail "the picker did not put $digit on button $id of the $panel panel: $answer"
}
step "timer: open its panel from the menu, pick 00:03 with the digit picker, Set"
choose_from_main_menu 3
hg_wait_for 10 panel_visible timer || fail "the timer panel was not shown"
pick_digit timer 1033 0
pick_digit timer 1034 0
pick_digit timer 1035 0
pick_digit timer 1036 3 digit-picker
click_control timer 1037
hg_wait_for 10 status_says 1047 "$(text StatusSet)" || fail "the timer's status line does not say it is set"
[ "$(red_pixels_in_icon)" -gt 0 ] || fail "the icon is not active while the timer runs"
shot timer-running
hg_wait_for 30 panel_visible notice || fail "no notice when the timer ran out"
panel_says notice "$(text TimerNotice 00 03)" || fail "the timer's notice: $answer"
[ "$(red_pixels_in_icon)" -eq 0 ] || fail "the icon is still active after the timer ran out"
shot timer-notice
xdotool key Escape
hg_wait_for 10 panel_hidden notice || fail "Esc did not close the notice"

step "timer by keyboard alone after the menu: Tab to the first digit, type 0 0 0 3, Space on Set"
choose_from_main_menu 3
hg_wait_for 10 panel_visible timer || fail "the timer panel was not shown"
focused() { ask focus && [ "$answer" = "$1" ]; }
# The focus is elsewhere than on control $1; with "" for $1, on some control.
focus_moved_from() { ask focus || true; [ "$answer" != "$1" ]; }
for _ in $(seq 8); do
  focused 1033 && break
  before=$answer
  xdotool key Tab
  hg_wait_for 10 focus_moved_from "$before" || fail "Tab did not move the focus from ${before:-no control}"
done
focused 1033 || fail "Tab did not reach the first digit: the focus is on ${answer:-no control}"
# Each typed digit moves the focus on, after the fourth to Set.
for typed in "0 1034" "0 1035" "0 1036" "3 1037"; do
  read -r key next <<<"$typed"
  xdotool key "$key"
  hg_wait_for 10 focused "$next" || fail "typing $key did not move the focus to $next: it is on ${answer:-no control}"
done
read_texts timer 1033 1034 1035 1036 || fail "the timer panel lost a digit button"
[ "$texts" = 0003 ] || fail "the typed digits are not 0003: $texts"
shot timer-typed
xdotool key space
hg_wait_for 10 status_says 1047 "$(text StatusSet)" || fail "Space on Set did not set the timer"
hg_wait_for 30 panel_visible notice || fail "no notice when the typed timer ran out"
panel_says notice "$(text TimerNotice 00 03)" || fail "the typed timer's notice: $answer"
xdotool key Escape
hg_wait_for 10 panel_hidden notice || fail "Esc did not close the notice"

step "alarm: open its panel, pick a time two hours ahead, Set"
choose_from_main_menu 2
hg_wait_for 10 panel_visible alarm || fail "the alarm panel was not shown"
hour=$(( (10#$(date +%H) + 2) % 24 ))
pick_digit alarm 1033 $((hour / 10))
pick_digit alarm 1034 $((hour % 10))
pick_digit alarm 1035 3
pick_digit alarm 1036 0
click_control alarm 1037
hg_wait_for 10 status_says 1046 "$(text StatusSet)" || fail "the alarm's status line does not say it is set"
read_texts alarm 1038 1039 || fail "no hours left on the alarm panel"
case "$texts" in 01 | 02) ;; *) fail "the alarm shows $texts hours left" ;; esac
[ "$(red_pixels_in_icon)" -gt 0 ] || fail "the icon is not active while the alarm is set"
shot alarm-panel

step "counter and power-off panels; sleep, which Wine's power management lacks, refused at Set"
choose_from_main_menu 4
hg_wait_for 10 panel_visible counter || fail "the counter panel was not shown"
shot counter-panel
choose_from_main_menu 5
hg_wait_for 10 panel_visible shutdown || fail "the power-off panel was not shown"
click_control shutdown 1052
hg_wait_for 10 ask popup || fail "the selector did not open its list"
settled_shot shutdown-panel
# The second row, sleep: its middle lies 29 pixels below the list's top at 96 dpi.
ask popup || fail "the selector's list closed by itself"
read -r list_x list_y _ <<<"$answer"
xdotool mousemove $((list_x + 20)) $((list_y + 29)) click 1
hg_wait_for 10 popup_closed || fail "choosing sleep did not close the list"
click_control shutdown 1037
hg_wait_for 10 panel_visible error || fail "Set with sleep chosen was not refused"
panel_says error "$(text RefusalNoSleep)" || fail "the refusal of sleep: $answer"
settled_shot sleep-refused
xdotool key Escape
hg_wait_for 10 panel_hidden error || fail "Esc did not close the refusal"
status_says 1049 "$(text StatusNotSet)" || fail "the refused power-off shows as set"

step "exit with the removal box ticked"
choose_from_main_menu 6
hg_wait_for 10 panel_visible exit || fail "no exit confirmation"
click_control exit 1047
hg_wait_for 10 checked exit 1047 || fail "the box was not ticked"
settled_shot exit
click_control exit 1
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with exit code $status"
hg_wait_for 10 icon_gone || fail "the icon is still in the notification area"
shot end
# The probe ends with its questions.
exec 7>&-
wait "$probe" || fail "the probe ended with exit code $?"
wineserver -k
echo "end-to-end checks passed; screenshots in $out"
