#!/usr/bin/env bash
# The scripts that ask git work in a tree that is not a checkout, on a machine without git (a source archive,
# unpacked): in a copy of the tree without .git and build/, with a git that cannot be run, the format check passes
# and fails as it should, scripts/package writes the packages and says that it cannot vouch for them, and
# scripts/compare-signed compares signed packages with them.
#   tests/scripts/without_git.sh BUILD/Hourglade.exe
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# shellcheck source=scripts/tree.sh
source "$root/scripts/tree.sh"
mkdir "$work/tree" "$work/bin"
hg_tree_files "$root" | (cd "$root" && xargs -d '\n' cp --parents -t "$work/tree")
printf '#!/bin/sh\necho "git: command not found" >&2\nexit 127\n' >"$work/bin/git"
chmod +x "$work/bin/git"
export PATH="$work/bin:$PATH"
tree=$work/tree

echo "-- the format check"
"$tree/tests/scripts/format_check_fails.sh" || fail "the format check, without git"

echo "-- scripts/package --check-reproducible"
status=0
"$tree/scripts/package" --check-reproducible --program "$exe" --out "$work/dist" >/dev/null 2>"$work/said" ||
  status=$?
[ "$status" -eq 3 ] || fail "scripts/package --check-reproducible ended with $status: $(cat "$work/said")"
grep -q "cannot vouch .*: the tree is not a git checkout" "$work/said" || fail "it said: $(cat "$work/said")"
(cd "$work/dist" && sha256sum --quiet -c SHA256SUMS) || fail "no packages, or SHA256SUMS does not match them"
[ "$(wc -l <"$work/dist/SHA256SUMS")" -eq 2 ] || fail "SHA256SUMS lists $(wc -l <"$work/dist/SHA256SUMS") files"

echo "-- scripts/compare-signed"
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
  -subj "/CN=Hourglade test" 2>/dev/null
printf 'pass\n' >"$work/password"
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.pfx" -passout pass:pass
"$tree/scripts/package" --sign "$work/cert.pfx" --password-file "$work/password" --program "$exe" \
  --out "$work/signed" >/dev/null 2>&1 || fail "signed packaging, without git"
"$tree/scripts/compare-signed" "$work/signed" "$work/dist" >"$work/said" 2>&1 ||
  fail "scripts/compare-signed, without git: $(cat "$work/said")"
grep -q "note: the tree is not a git checkout" "$work/said" || fail "scripts/compare-signed said: $(cat "$work/said")"
echo "the scripts work without git"
