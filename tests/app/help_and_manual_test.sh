#!/bin/sh
# The real program's --help and --version, which must answer without a display and without
# touching the settings folder, and the manual page, which must name every switch --help lists.
# Usage: help_and_manual_test.sh PROGRAM MANUAL_PAGE VERSION
set -eu
program=$1 page=$2 version=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export XDG_CONFIG_HOME="$tmp/config" HOME="$tmp/home"
unset DISPLAY WAYLAND_DISPLAY

"$program" --help > "$tmp/help" || fail "--help ended with $?"
"$program" /c --version > "$tmp/version" || fail "/c --version ended with $?"
[ "$(head -n 1 "$tmp/version")" = "vorpelsaver $version" ] ||
  fail "--version printed '$(head -n 1 "$tmp/version")', not 'vorpelsaver $version'"
[ ! -e "$tmp/config" ] && [ ! -e "$tmp/home" ] || fail "--help or --version made a settings folder"
if "$program" --help > /dev/full 2> "$tmp/err"; then fail "--help to a full disk ended with 0"; fi
grep -q "vorpelsaver" "$tmp/err" || fail "a failed --help said nothing"

grep -q "^\.TH VORPELSAVER 6 .*\"vorpelsaver $version\"" "$page" ||
  fail "the manual page does not carry version $version"
# Switches as --help writes them: after a blank, a bracket or a bar.
switches=$(grep -oE '(^|[][ |(])(--[a-z-]+|/[a-z]\b)' "$tmp/help" | sed 's/^[][ |(]//' | sort -u)
[ "$(echo "$switches" | wc -l)" -ge 12 ] || fail "--help lists too few switches: $switches"
sed 's/\\-/-/g' "$page" > "$tmp/page"
for s in $switches; do
  grep -qF -- "$s" "$tmp/page" || fail "the manual page does not name $s"
done
echo "help, version and manual page agree on $(echo "$switches" | wc -l) switches"
