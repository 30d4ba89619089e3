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
