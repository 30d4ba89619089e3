# Functions for running the program and its tests under Wine; sourced by the other scripts.
# shellcheck shell=bash

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml,winemenubuilder.exe="}

hg_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The size of the Wine desktop that scripts/run and the end-to-end checks open. A virtual screen has the same size,
# so that its screenshots show the desktop and nothing around it.
hg_desktop_size=1000x700

# Runs a command ($2...) every tenth of a second until it succeeds, for up to $1 seconds however long each run takes;
# true when it succeeded. Its output is dropped, not its error output.
hg_wait_for() {
  local deadline=$((${EPOCHREALTIME//[!0-9]/} + $1 * 1000000))
  shift
  until "$@" >/dev/null; do
    [ "${EPOCHREALTIME//[!0-9]/}" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# True when the display in DISPLAY answers within a few seconds (a stale DISPLAY names a server that is gone).
hg_display_answers() {
  [ -n "${DISPLAY:-}" ] && timeout 5 xdpyinfo >/dev/null 2>&1
}

# Starts a virtual X display of its own and exports DISPLAY; hg_stop_virtual_display ends it. The server picks a
# free number itself and reports it through -displayfd, so the number is never one that another server holds.
hg_start_virtual_display() {
  local number_file log number=""
  number_file=$(mktemp)
  log=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${hg_desktop_size}x24" -nolisten tcp 3>"$number_file" >"$log" 2>&1 &
  hg_xvfb_pid=$!
  hg_wait_for 30 hg_xvfb_number_or_end "$number_file" || number=""
  rm -f "$number_file"
  hg_xvfb_display=":$number"
  export DISPLAY=$hg_xvfb_display
  if [ -z "$number" ] || ! hg_virtual_display_ours; then
    echo "The virtual display did not start. Xvfb said:" >&2
    cat "$log" >&2
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
}

# Sets number to the display number that the virtual display's server wrote into the file $1; true once it did, or
# once the server ended without one (number is empty then).
hg_xvfb_number_or_end() {
  IFS= read -r number <"$1" && return 0
  number=""
  ! kill -0 "$hg_xvfb_pid" 2>/dev/null
}

# True while DISPLAY is the virtual display that this shell started, and its server is alive and answers.
hg_virtual_display_ours() {
  [ -n "${hg_xvfb_pid:-}" ] && [ "${DISPLAY:-}" = "$hg_xvfb_display" ] && kill -0 "$hg_xvfb_pid" 2>/dev/null &&
    hg_display_answers
}

hg_stop_virtual_display() {
  [ -n "${hg_xvfb_pid:-}" ] || return 0
  { kill "$hg_xvfb_pid" && wait "$hg_xvfb_pid"; } 2>/dev/null || true
  hg_xvfb_pid=""
}

# Runs one step of setting up a prefix with its output added to the log $1; a failure names the step and the log.
hg_prefix_step() {
  local log=$1
  shift
  echo "\$ $*" >>"$log"
  "$@" >>"$log" 2>&1 || {
    echo "Setting up the Wine prefix failed at: $*; its output is in $log" >&2
    return 1
  }
}

# The log of setting up the prefix $1: build/logs/prefix-NAME.log.
hg_prefix_log() {
  mkdir -p "$hg_root/build/logs"
  echo "$hg_root/build/logs/prefix-$(basename "$1").log"
}

# Creates a Wine prefix in $1 with Japanese glyphs for the templates' typeface and for the system's user-interface
# typefaces (menus, message boxes), and, if $2 is given, that many logical pixels per inch. Meiryo itself is not
# on Debian; IPA P Gothic stands in for it, because its widths are close to Meiryo's, so that dialog units and
# texts come out as on Windows (with Noto Sans CJK the notices would not fit their fields).
# What the steps print goes to build/logs/prefix-NAME.log.
hg_make_prefix() {
  local prefix=$1 dpi=${2:-} log
  log=$(hg_prefix_log "$prefix")
  : >"$log"
  mkdir -p "$(dirname "$prefix")"
  hg_prefix_step "$log" env WINEPREFIX="$prefix" wineboot -i || return 1
  local fonts
  fonts=$(mktemp --suffix=.reg)
  printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"メイリオ"="IPAPGothic"' '"Meiryo"="IPAPGothic"' '' | iconv -f utf-8 -t utf-16 >"$fonts"
  hg_prefix_step "$log" env WINEPREFIX="$prefix" wine regedit "$fonts" || return 1
  rm -f "$fonts"
  local face
  for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
    hg_prefix_step "$log" env WINEPREFIX="$prefix" wine reg add \
      'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d "NotoSansCJK-Regular.ttc,Noto Sans CJK JP" /f || return 1
  done
  # Windows are not left to a window manager: the virtual display has none, and Wine would wait for one at
  # every hide.
  hg_prefix_step "$log" env WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Wine\X11 Driver' \
    /v Managed /t REG_SZ /d N /f || return 1
  if [ -n "$dpi" ]; then hg_set_prefix_dpi "$prefix" "$dpi" || return 1; fi
  hg_prefix_step "$log" env WINEPREFIX="$prefix" wineserver -w
}

hg_set_prefix_dpi() {
  local log
  log=$(hg_prefix_log "$1")
  hg_prefix_step "$log" env WINEPREFIX="$1" wine reg add 'HKCU\Control Panel\Desktop' \
    /v LogPixels /t REG_DWORD /d "$2" /f || return 1
  hg_prefix_step "$log" env WINEPREFIX="$1" wineserver -w
}

# Keeps the prefix's Wine services running until hg_stop_prefix, and starts its desktop process with a first
# program ($2...), so that programs started later (each test is one) neither wait for them nor hand their
# output pipes to them.
hg_start_prefix() {
  local prefix=$1
  shift
  WINEPREFIX=$prefix wineserver -p
  WINEPREFIX=$prefix wine "$@" >/dev/null 2>&1 || true
}

hg_stop_prefix() {
  WINEPREFIX=$1 wineserver -k 2>/dev/null || true
}
