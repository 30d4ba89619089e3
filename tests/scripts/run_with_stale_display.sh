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
  [ -z "$run" ] || kill "$run" 2>/dev/null || true
  rm -f "$log"
}
trap finish EXIT
# shellcheck source=tests/lib.sh
source "$root/tests/lib.sh"
fail() {
  echo "FAILED: $*; scripts/run said:" >&2
  cat "$log" >&2
  exit 1
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
# The probe looks for the program's main panel from the Wine desktop that scripts/run opens.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
hg_wait_for 60 env DISPLAY="$display" wine "$probe_exe" panel main || fail "Hourglade.exe does not run on $display"

kill -TERM "$run"
status=0
wait "$run" || status=$?
run=""
[ "$status" -eq 143 ] || fail "scripts/run ended with exit code $status on TERM"
if DISPLAY=$display xdpyinfo >/dev/null 2>&1; then fail "the virtual display $display outlived scripts/run"; fi
echo "scripts/run with the stale DISPLAY $stale ran the program on a virtual display at $display"
