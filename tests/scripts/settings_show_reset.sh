#!/usr/bin/env bash
# scripts/settings lists a value stored in the prefix, and after a reset lists none.
#   WINEPREFIX=PREPARED-PREFIX tests/scripts/settings_show_reset.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
: "${WINEPREFIX:?}"
export WINEDEBUG=-all

wine reg add 'HKCU\Software\Orvane-Pellit\Hourglade\Settings' /v t_history /d '00:03|' /f >/dev/null 2>&1
"$root/scripts/settings" show | grep -q '^ *t_history *REG_SZ *00:03|$' || {
  echo "FAILED: scripts/settings show does not list the stored history" >&2 && exit 1
}
"$root/scripts/settings" reset >/dev/null
[ "$("$root/scripts/settings" show)" = "No stored values in $WINEPREFIX." ] || {
  echo "FAILED: values are left after scripts/settings reset" >&2 && exit 1
}
echo "scripts/settings shows the stored values and resets them"
