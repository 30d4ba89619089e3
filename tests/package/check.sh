#!/usr/bin/env bash
# The release packages that scripts/package wrote, checked by rule against the sources and the tested program:
# the shipped program, the zip, the installer's tables, the installer under Wine (install, start, a second start,
# install again, upgrade, downgrade, uninstall, STARTUP=0), and signing with its failures and the comparison of
# signed packages with unsigned ones.
#   tests/package/check.sh BUILD/Hourglade.exe DIST-FOLDER OUTPUT-FOLDER   (WINEPREFIX and DISPLAY set by the caller)
set -euo pipefail
exe=$(realpath "$1")
dist=$(realpath "$2")
out=$(realpath -m "$3")
root=$(cd "$(dirname "$0")/../.." && pwd)
probe_exe="$(dirname "$exe")/tests/e2e/hourglade_probe.exe"
: "${WINEPREFIX:?}" "${DISPLAY:?}"
export WINEDEBUG=-all
scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT
mkdir -p "$out"

# shellcheck source=tests/lib.sh
source "$root/tests/lib.sh"
failure_shot=$out/package-failure.png
cd "$root"
# What the sources say.
define() { sed -n "s/^#define $1 \(.*\)/\1/p" "$2"; }
version="$(define HG_VERSION_MAJOR res/version.h).$(define HG_VERSION_MINOR res/version.h).$(define HG_VERSION_PATCH res/version.h)"
company=$(define HG_COMPANY_NAME res/legal.h | tr -d '"')
website=$(define HG_WEBSITE res/legal.h | tr -d '"')
zip=$dist/Hourglade-$version-x64.zip
msi=$dist/Hourglade-$version-x64.msi

step "the shipped program: stripped, at most 450 KB, with ASLR and DEP, without a link time"
size=$(stat -c %s "$exe")
echo "   Hourglade.exe: $size bytes"
[ "$size" -le $((450 * 1024)) ] || fail "Hourglade.exe has $size bytes"
headers=$(TZ=UTC x86_64-w64-mingw32-objdump -f -h -p "$exe")
! grep -q '\.debug' <<<"$headers" || fail "debug sections left in Hourglade.exe"
! grep -q HAS_SYMS <<<"$headers" || fail "symbols left in Hourglade.exe"
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
  grep -qx "[[:space:]]*$flag" <<<"$headers" || fail "Hourglade.exe lost $flag"
done
grep -q $'^Time/Date\t*Thu Jan  1 00:00:00 1970$' <<<"$headers" ||
  fail "Hourglade.exe carries a link time: $(grep ^Time/Date <<<"$headers")"

step "the zip: its entries, the tested program, the guide, the same bytes again"
[ "$(awk '{ print $2 }' "$dist/SHA256SUMS")" = "$(printf '%s\n' "$(basename "$zip")" "$(basename "$msi")")" ] ||
  fail "SHA256SUMS lists $(awk '{ print $2 }' "$dist/SHA256SUMS" | paste -sd ' ')"
(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match"
python3 - "$zip" "$exe" "$version" "$company" <<'EOF' || fail "the zip's contents"
import sys, zipfile
archive, exe, version, company = sys.argv[1:]
z = zipfile.ZipFile(archive)
assert z.namelist() == ["Hourglade.exe", "README.txt"], z.namelist()
assert len({entry.date_time for entry in z.infolist()}) == 1, "entries of different times"
assert z.read("Hourglade.exe") == open(exe, "rb").read(), "Hourglade.exe is not the tested program"
guide = z.read("README.txt")
assert guide.startswith(b"\xef\xbb\xbf"), "README.txt has no byte-order mark"
assert guide.count(b"\n") == guide.count(b"\r\n"), "README.txt has lines without CR"
text = guide.decode("utf-8-sig")
for needed in (version, "[日本語]", "[English]", f"HKEY_CURRENT_USER\\Software\\{company}\\Hourglade\\Settings",
               "shell:startup", "左クリック", "右クリック", "ダブルクリック", "Left click", "Right click", "Double click",
               "^", "reg delete", "アンインストール", "Uninstalling"):
    assert needed in text, f"README.txt does not mention {needed}"
EOF
scripts/package --out "$scratch/again" >/dev/null
cmp -s "$zip" "$scratch/again/$(basename "$zip")" || fail "a second packaging gave another zip"

step "the installer's tables, codes and times, the same bytes again"
cmp -s "$msi" "$scratch/again/$(basename "$msi")" || fail "a second packaging gave another installer"
table() { msiinfo export "$1" "$2" | tr -d '\r' | tail -n +4; }
# The product code and the package code of an installer.
codes() {
  echo "$(table "$1" Property | awk -F'\t' '$1 == "ProductCode" { print $2 }')" \
    "$(msiinfo suminfo "$1" | sed -n 's/^Revision number (UUID): //p')"
}
read -r product_code package_code <<<"$(codes "$msi")"
[[ "$product_code" =~ ^\{[0-9A-F-]{36}\}$ ]] && [[ "$package_code" =~ ^\{[0-9A-F-]{36}\}$ ]] &&
  [ "$product_code" != "$package_code" ] || fail "product code $product_code, package code $package_code"
zip_time=$(python3 -c 'import datetime, sys, zipfile
print(datetime.datetime(*zipfile.ZipFile(sys.argv[1]).infolist()[0].date_time).ctime())' "$zip")
[ "$(TZ=UTC msiinfo suminfo "$msi" | sed -n 's/^\(Created\|Last saved\): //p' | sort -u)" = "$zip_time" ] ||
  fail "the installer's times are not the zip's, $zip_time: $(msiinfo suminfo "$msi" | grep -E '^(Created|Last saved)')"
property() { table "$msi" Property | awk -F'\t' -v name="$1" '$1 == name { print $2 }'; }
[ "$(property ProductVersion)" = "$version" ] || fail "ProductVersion $(property ProductVersion)"
[ "$(property Manufacturer)" = "$company" ] || fail "Manufacturer $(property Manufacturer)"
[ "$(property ARPURLINFOABOUT)" = "$website" ] && [ "$(property ARPHELPLINK)" = "$website" ] ||
  fail "the entry's web page is not the main panel's $website"
[ "$(property STARTUP)" = 1 ] || fail "STARTUP is not 1 by default"
[ -z "$(property ALLUSERS)" ] || fail "ALLUSERS is set: not a per-user package"
source_flags=$(msiinfo suminfo "$msi" | sed -n 's/^Source: \([0-9]*\).*/\1/p')
[ $((source_flags & 8)) -ne 0 ] || fail "the package asks for elevation"
upgrade_code=$(property UpgradeCode)
[[ "$upgrade_code" =~ ^\{[0-9A-F-]{36}\}$ ]] || fail "UpgradeCode $upgrade_code"
# Attribute 512: the maximum version is included.
table "$msi" Upgrade | awk -F'\t' -v code="$upgrade_code" -v v="$version" '$1 != code { other = 1 }
  $7 == "WIX_UPGRADE_DETECTED" { up = ($3 == v && int($5 / 512) % 2) } $7 == "WIX_DOWNGRADE_DETECTED" { down = ($2 == v) }
  END { exit !(up && down && !other) }' || fail "the Upgrade table does not take up to $version in and keep newer ones out"
table "$msi" LaunchCondition | grep -q $'^NOT WIX_DOWNGRADE_DETECTED\t.*Hourglade' || fail "no message for a downgrade"
table "$msi" Shortcut | awk -F'\t' '$3 == "Hourglade" && $5 == "[INSTALLDIR]Hourglade.exe" { print $2 }' | sort |
  paste -sd ' ' | grep -qx 'ProgramMenuFolder StartupFolder' || fail "the shortcuts' places or targets"
startup_component=$(table "$msi" Shortcut | awk -F'\t' '$2 == "StartupFolder" { print $4 }')
table "$msi" Component | awk -F'\t' -v c="$startup_component" '$1 == c { print $5 }' | grep -qx 'STARTUP = "1"' ||
  fail "the Startup shortcut does not depend on STARTUP"
table "$msi" Directory | awk -F'\t' '{ parent[$1] = $2; name[$1] = $3 }
  END { exit !(name["INSTALLDIR"] == "Hourglade" && name[parent["INSTALLDIR"]] == "Programs" &&
               parent[parent["INSTALLDIR"]] == "LocalAppDataFolder") }' ||
  fail "the program does not go to LocalAppDataFolder\\Programs\\Hourglade"
icon=$(property ARPPRODUCTICON)
msiinfo extract "$msi" "Icon.$icon" | cmp -s - res/icons/idle.ico || fail "the entry's icon is not the idle icon"

step "the installer's codes of another commit; uncommitted changes, for which no check can vouch"
# shellcheck source=scripts/tree.sh
source scripts/tree.sh
if hg_is_checkout "$root"; then
  git clone -q --no-hardlinks "$root" "$scratch/clone"
  # Packages the clone's tree with the tested program into $scratch/$1, with the options after it.
  package_clone() {
    local folder=$1
    shift
    "$scratch/clone/scripts/package" --program "$exe" --out "$scratch/$folder" "$@" >/dev/null
  }
  package_clone commit
  echo "another line" >>"$scratch/clone/README.md"
  status=0
  package_clone uncommitted --check-reproducible 2>"$scratch/said" || status=$?
  [ "$status" -eq 3 ] && grep -q "cannot vouch .*: the tree has uncommitted changes" "$scratch/said" ||
    fail "--check-reproducible with uncommitted changes ended with $status: $(cat "$scratch/said")"
  git -C "$scratch/clone" -c user.name=Test -c user.email=test@example.invalid commit -qam "Another commit"
  package_clone next-commit
  read -r first_product first_package <<<"$(codes "$scratch/commit/$(basename "$msi")")"
  read -r second_product second_package <<<"$(codes "$scratch/next-commit/$(basename "$msi")")"
  [ "$first_product" != "$second_product" ] && [ "$first_package" != "$second_package" ] ||
    fail "two commits share an installer code: $first_product $first_package, $second_product $second_package"
else
  echo "   not a git checkout: no commits to package"
fi

step "under Wine: install"
# One Wine server for the whole check, as the test stages keep one: without it the server ends three seconds after
# each program, and a program that starts just then depends on Wine handing over to a new server.
wineserver -p
win_folder() { winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')"; }
local_appdata=$(win_folder LOCALAPPDATA)
appdata=$(win_folder APPDATA)
installed=$local_appdata/Programs/Hourglade/Hourglade.exe
start_menu_link=$appdata/Microsoft/Windows/Start\ Menu/Programs/Hourglade.lnk
startup_link=$appdata/Microsoft/Windows/Start\ Menu/Programs/StartUp/Hourglade.lnk
settings='HKCU\Software\'"$company"'\Hourglade\Settings'
# Each run of the installer writes its log over the last one's; a failure names where that run stopped.
msiexec_log=$scratch/msiexec.log
msiexec() { wine msiexec "$@" /qn /l*v "Z:${msiexec_log//\//\\}" >/dev/null 2>&1; }
installer_failed() {
  cp "$msiexec_log" "$out/package-msiexec.log" 2>/dev/null || true
  fail "$1; the installer's log ($out/package-msiexec.log) ends: $(tail -n 3 "$msiexec_log" 2>/dev/null | tr -d '\r' |
    paste -sd '|')"
}
# The installed-programs entries named Hourglade, as "version|publisher|web page", wherever Wine keeps them.
entries() {
  local hive
  for hive in HKLM HKCU; do
    wine reg query "$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s 2>/dev/null || true
  done | tr -d '\r' | awk '/^HKEY_/ { if (n == "Hourglade") print v "|" p "|" u; n = v = p = u = "" }
    $1 == "DisplayName" { n = $3 } $1 == "DisplayVersion" { v = $3 } $1 == "Publisher" { p = $3 }
    $1 == "URLInfoAbout" { u = $3 } END { if (n == "Hourglade") print v "|" p "|" u }'
}
# A shortcut names its target's full path in the local code page.
links_to_installed() { [ -f "$1" ] && grep -aq 'Programs\\Hourglade\\Hourglade.exe' "$1"; }
wine reg add "$settings" /v t_history /d '03:00|' /f >/dev/null 2>&1
msiexec /i "$msi" || installer_failed "msiexec /i ended with $?"
cmp -s "$installed" "$exe" || fail "the installed program is not the tested one"
links_to_installed "$start_menu_link" || fail "no Start-menu shortcut to the program"
links_to_installed "$startup_link" || fail "no Startup shortcut to the program"
[ "$(entries)" = "$version|$company|$website" ] || fail "installed-programs entries: $(entries | paste -sd ' ')"
find "$appdata/Microsoft/Installer" -name "$icon" -exec cmp -s {} res/icons/idle.ico \; -print | grep -q . ||
  fail "the entry's icon was not installed"

step "the installed program: started from its shortcut, then again, then under another name"
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1000x700 /f >/dev/null 2>&1
wine start "$(winepath -w "$start_menu_link")" >/dev/null 2>&1
find_wine_desktop || fail "no Wine desktop"
# The icons sit in a row from the bottom-right corner of the taskbar, 20 pixels apart; the grey square of an icon
# is what shows that one is there.
icon_in_slot() {
  import -window root -crop "16x16+$((X + WIDTH - 18 - 20 * $1))+$((Y + HEIGHT - 18))" -depth 8 txt:- 2>/dev/null |
    awk -F'[(),]' 'NR > 1 && $3 < 160 && $3 == $4 && $4 == $5 { n++ } END { exit !(n > 100) }'
}
probe() { wine "$probe_exe" "$@" 2>/dev/null; }
# The program's processes in this prefix.
copies() {
  local pid count=0
  for pid in $(pgrep -f "$1" || true); do
    # Not the launcher that waits for a program started with "wine program".
    tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q 'start\.exe' && continue
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && count=$((count + 1))
  done
  echo "$count"
}
hg_wait_for 60 icon_in_slot 0 || fail "the installed program's icon did not appear"
hg_wait_for 60 probe panel alarm || fail "the installed program's panels do not exist"
main_panel=$(probe panel main) && [ "${main_panel%% *}" = hidden ] || fail "at start, the main panel: ${main_panel:-not found}"
status=0
timeout 60 wine "$(winepath -w "$installed")" || status=$?
[ "$status" -eq 0 ] || fail "the second start ended with $status"
main_panel_shown() { main_panel=$(probe panel main) && [ "${main_panel%% *}" = visible ]; }
hg_wait_for 30 main_panel_shown || fail "the main panel was not shown: ${main_panel:-not found}"
[ "$(copies 'Programs.Hourglade.Hourglade\.exe')" -eq 1 ] || fail "$(copies 'Hourglade\.exe') copies run"
one_icon() { icon_in_slot 0 && ! icon_in_slot 1; }
hg_wait_for 10 one_icon || fail "not exactly one icon after the second start"
import -window root "$out/package-second-start.png"
cp "$installed" "$scratch/Renamed.exe"
wine "$scratch/Renamed.exe" >/dev/null 2>&1 &
hg_wait_for 60 icon_in_slot 1 || fail "a renamed copy did not start alongside"
[ "$(copies 'Renamed\.exe')" -eq 1 ] || fail "the renamed copy does not run"
import -window root "$out/package-renamed.png"
wineserver -k
wait || true
wineserver -w
wineserver -p

step "under Wine: install again (a repair), upgrade, downgrade"
rm "$installed"
msiexec /i "$msi" || installer_failed "installing again ended with $?"
[ "$(entries | wc -l)" -eq 1 ] || fail "installing again left $(entries | wc -l) entries"
cmp -s "$installed" "$exe" || fail "installing again did not restore the program"
next_version="${version%.*}.$((${version##*.} + 1))"
cp "$exe" "$scratch/Hourglade.exe"
printf 'next' >>"$scratch/Hourglade.exe" # tells the newer file apart; Windows ignores bytes after the image
scripts/package --version "$next_version" --program "$scratch/Hourglade.exe" --out "$scratch/next" >/dev/null
next_msi=$scratch/next/Hourglade-$next_version-x64.msi
[ "$(msiinfo export "$next_msi" Property | tr -d '\r' | awk -F'\t' '$1 == "UpgradeCode" { print $2 }')" = "$upgrade_code" ] ||
  fail "the newer package has another upgrade code"
read -r next_product_code next_package_code <<<"$(codes "$next_msi")"
[ "$next_product_code" != "$product_code" ] && [ "$next_package_code" != "$package_code" ] ||
  fail "the newer package shares a code with the older one: $(codes "$next_msi")"
msiexec /i "$next_msi" || installer_failed "the upgrade ended with $?"
[ "$(entries)" = "$next_version|$company|$website" ] || fail "after the upgrade: $(entries | paste -sd ' ')"
cmp -s "$installed" "$scratch/Hourglade.exe" || fail "the upgrade did not install the newer program"
if msiexec /i "$msi"; then fail "installing $version over $next_version was not refused"; fi
[ "$(entries)" = "$next_version|$company|$website" ] || fail "after the downgrade: $(entries | paste -sd ' ')"
cmp -s "$installed" "$scratch/Hourglade.exe" || fail "the refused downgrade changed the program"

step "under Wine: uninstall, then STARTUP=0"
gone() {
  [ ! -e "$installed" ] && [ ! -e "$(dirname "$installed")" ] && [ ! -e "$start_menu_link" ] &&
    [ ! -e "$startup_link" ] && [ -z "$(entries)" ]
}
msiexec /x "$next_msi" || installer_failed "msiexec /x ended with $?"
gone || fail "uninstalling left the program, its folder, a shortcut or the entry"
wine reg query "$settings" /v t_history 2>/dev/null | grep -q '03:00|' || fail "uninstalling removed stored values"
msiexec /i "$msi" STARTUP=0 || installer_failed "msiexec /i STARTUP=0 ended with $?"
links_to_installed "$start_menu_link" || fail "no Start-menu shortcut with STARTUP=0"
[ ! -e "$startup_link" ] || fail "a Startup shortcut with STARTUP=0"
msiexec /x "$msi" || installer_failed "msiexec /x ended with $?"
gone || fail "uninstalling after STARTUP=0 left something behind"

step "signing"
listing() { (cd "$dist" && ls -lA --time-style=+%s && sha256sum ./*); }
before=$(listing)
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$scratch/key.pem" -out "$scratch/cert.pem" -days 2 \
  -subj "/CN=Hourglade test" 2>/dev/null
printf 'right horse battery\n' >"$scratch/password"
printf 'wrong\n' >"$scratch/wrong"
openssl pkcs12 -export -inkey "$scratch/key.pem" -in "$scratch/cert.pem" -out "$scratch/cert.pfx" \
  -passout "file:$scratch/password"
scripts/package --sign "$scratch/cert.pfx" --password-file "$scratch/password" --out "$scratch/signed" >/dev/null ||
  fail "signed packaging"
python3 -c 'import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read("Hourglade.exe"))' \
  "$scratch/signed/$(basename "$zip")" >"$scratch/signed.exe"
msiextract -C "$scratch/extracted" "$scratch/signed/$(basename "$msi")" >/dev/null
# It holds another program than the unsigned one: installing one over the other must be an upgrade.
read -r signed_product_code signed_package_code <<<"$(codes "$scratch/signed/$(basename "$msi")")"
[ "$signed_product_code" != "$product_code" ] && [ "$signed_package_code" != "$package_code" ] ||
  fail "the signed installer shares a code with the unsigned one"
for file in "$scratch/signed.exe" "$(find "$scratch/extracted" -name Hourglade.exe)" "$scratch/signed/$(basename "$msi")"; do
  osslsigncode verify -CAfile "$scratch/cert.pem" -in "$file" >"$scratch/verify.log" 2>&1 ||
    fail "the signature of $(basename "$file") does not verify: $(tail -n 3 "$scratch/verify.log")"
done
# What a checker compares: the signed packages with the unsigned ones, then signed ones of another program, and
# ones whose installer was changed after signing.
scripts/compare-signed "$scratch/signed" "$dist" >"$scratch/compare.log" 2>&1 ||
  fail "the signed packages do not compare with the unsigned ones: $(cat "$scratch/compare.log")"
scripts/package --sign "$scratch/cert.pfx" --password-file "$scratch/password" --program "$scratch/Hourglade.exe" \
  --out "$scratch/signed-other" >/dev/null || fail "signed packaging of another program"
cp -r "$scratch/signed" "$scratch/signed-changed"
msibuild "$scratch/signed-changed/$(basename "$msi")" \
  -q "UPDATE \`Property\` SET \`Value\` = '0' WHERE \`Property\` = 'STARTUP'"
for case in "signed-other Hourglade.exe" "signed-changed Property.idt"; do
  read -r folder named <<<"$case"
  if said=$(scripts/compare-signed "$scratch/$folder" "$dist" 2>&1); then
    fail "$folder compares with the unsigned packages"
  fi
  grep -q "^scripts/compare-signed: .*$named" <<<"$said" || fail "comparing $folder did not name $named: $said"
done
# The password typed at a terminal: script(1) gives the packaging one and types into it.
printf '%s\n' "$(cat "$scratch/password")" |
  script -qec "scripts/package --sign '$scratch/cert.pfx' --out '$scratch/typed'" /dev/null >/dev/null ||
  fail "packaging with the password typed at the terminal"
osslsigncode verify -CAfile "$scratch/cert.pem" -in "$scratch/typed/$(basename "$msi")" >/dev/null 2>&1 ||
  fail "signing with the password typed at the terminal"
# Runs scripts/package with the options after $1, which must fail saying $1 and leave build/dist as it was.
expect_refusal() {
  local reason=$1 said
  shift
  if said=$(scripts/package "$@" 2>&1 >/dev/null); then fail "scripts/package $* succeeded"; fi
  echo "   refused: $said"
  grep -q "$reason" <<<"$said" || fail "scripts/package $* did not say: $reason"
  [ "$(listing)" = "$before" ] || fail "scripts/package $* touched build/dist"
}
expect_refusal "no certificate" --sign "$scratch/missing.pfx" --password-file "$scratch/password"
expect_refusal "wrong password" --sign "$scratch/cert.pfx" --password-file "$scratch/wrong"
expect_refusal "could not sign" --sign "$scratch/cert.pem" --password-file "$scratch/password"
echo "package checks passed"
