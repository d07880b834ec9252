#!/usr/bin/env bash
# The built-in lists hold only words that stand in their sources as written,
# in lower case (no line that begins with a capital, a name or a name's
# genitive, is lowered into a word), and no word that the spelling
# dictionary knows only with a capital ("sverige", "emma"). Usage: LIST
# SPELLING SOURCE..., each source read up to the first tab of each line;
# the dictionaries read as the game reads them, UTF-8 or else Latin-1.
set -euo pipefail
list=$1 spelling=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
to_utf8() { if iconv -f UTF-8 -t UTF-8 "$1" > /dev/null 2>&1; then cat "$1"; else iconv -f ISO-8859-1 -t UTF-8 "$1"; fi; }

iconv -f WINDOWS-1252 -t UTF-8 "$list" | tr -d '\r' | LC_ALL=C sort -u > "$work/list"
for source in "$@"; do to_utf8 "$source" | cut -f1; done | LC_ALL=C sort -u > "$work/sources"
to_utf8 "$spelling" > "$work/spelling.txt"
grep -v '^[[:upper:]]' "$work/spelling.txt" | LC_ALL=C sort -u > "$work/lower" || true
grep '^[[:upper:]]' "$work/spelling.txt" | sed 's/.*/\L&/' | LC_ALL=C sort -u | LC_ALL=C comm -23 - "$work/lower" > "$work/names"
[ -s "$work/list" ] || { echo "$list is empty"; exit 1; }
strays=$(LC_ALL=C comm -23 "$work/list" "$work/sources" | head -5)
if [ -n "$strays" ]; then
  echo "words of $list that are no line of its sources as written:"
  echo "$strays"
  exit 1
fi
names=$(LC_ALL=C comm -12 "$work/list" "$work/names" | head -5)
if [ -n "$names" ]; then
  echo "words of $list that $spelling knows only with a capital:"
  echo "$names"
  exit 1
fi
echo "$(wc -l < "$work/list") words, each a lower-case line of its sources and no name of $spelling"
