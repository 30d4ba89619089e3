#!/usr/bin/env bash
# scripts/run with a DISPLAY that names no server: it says so, starts a virtual display with a VNC server, runs
# Hourglade.exe there, and on TERM (as on Ctrl-C) ends the program and the display.
#   WINEPREFIX=PREPARED-PREFIX tests/scripts/run_with_stale_display.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
: "${WINEPREFIX:?}"
probe_exe=$root/build/windows/tests/e2e/hourglade_probe.exe
log=$(mktemp)
run=""
finish() {
  [ -z "$run" ] || { kill "$run" && wait "$run"; } 2>/dev/null || true
  rm -f "$log"
}
trap finish EXIT
# shellcheck source=tests/lib.sh
source "$root/tests/lib.sh"
fail() {
  local said="FAILED: $*" status=0
  if [ -n "$run" ] && ! kill -0 "$run" 2>/dev/null; then
    wait "$run" || status=$?
    run=""
    said+="; scripts/run had ended, with exit code $status"
  fi
  echo "$said; scripts/run said:" >&2
  cat "$log" >&2
  exit 1
}
# The virtual display and the VNC server of this prefix that still run, as "PID COMMAND" lines: those that scripts/run
# started, found by their environment rather than by a display number, which another server may take next.
servers_left() {
  local pid
  for pid in $(pgrep -x 'Xvfb|x11vnc'); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      ps -o pid=,args= -p "$pid" || true
    fi
  done
}

stale=""
for number in $(seq 50 99); do
  DISPLAY=":$number" timeout 5 xdpyinfo >/dev/null 2>&1 || { stale=":$number" && break; }
done
[ -n "$stale" ] || fail "no display number without a server"

DISPLAY=$stale "$root/scripts/run" >"$log" 2>&1 &
run=$!
hg_wait_for 120 grep -q "^Starting Hourglade.exe" "$log" || fail "the program was not started"
grep -q "^DISPLAY=$stale does not answer" "$log" || fail "no word on the stale display"
display=$(sed -n 's/^Started a virtual display at DISPLAY=\(:[0-9]*\) .*/\1/p' "$log")
[ -n "$display" ] || fail "no virtual display"
DISPLAY=$display timeout 5 xdpyinfo >/dev/null 2>&1 || fail "the virtual display $display does not answer"
grep -q "VNC viewer at localhost:[0-9]" "$log" || fail "no VNC address"
grep -q "^Screenshot: DISPLAY=$display import -window root shot.png" "$log" || fail "no screenshot command"
# The probe looks for the program's main panel from the Wine desktop that scripts/run opens, once it is open: a probe in
# a desktop that is not open yet opens it itself, and the explorer of scripts/run, finding it taken, starts the program
# in it and ends, and scripts/run with it.
DISPLAY=$display find_wine_desktop || fail "no Wine desktop on $display"
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
hg_wait_for 60 env DISPLAY="$display" wine "$probe_exe" panel main || fail "Hourglade.exe does not run on $display"

kill -TERM "$run"
status=0
wait "$run" || status=$?
run=""
[ "$status" -eq 143 ] || fail "scripts/run ended with exit code $status on TERM"
left=$(servers_left)
[ -z "$left" ] || fail "scripts/run left its servers running: $left"
echo "scripts/run with the stale DISPLAY $stale ran the program on a virtual display at $display"
