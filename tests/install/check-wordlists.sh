#!/usr/bin/env bash
# The built-in lists hold only words that stand in their dictionary as
# written, in lower case: no line that begins with a capital (a name, or a
# name's genitive) is lowered into a word. Usage: LIST DICTIONARY ENCODING,
# the dictionary read up to the first tab of each line.
set -euo pipefail
list=$1 dictionary=$2 encoding=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

iconv -f WINDOWS-1252 -t UTF-8 "$list" | tr -d '\r' | LC_ALL=C sort -u > "$work/list"
iconv -f "$encoding" -t UTF-8 "$dictionary" | cut -f1 | LC_ALL=C sort -u > "$work/dictionary"
[ -s "$work/list" ] || { echo "$list is empty"; exit 1; }
strays=$(LC_ALL=C comm -23 "$work/list" "$work/dictionary" | head -5)
if [ -n "$strays" ]; then
  echo "words of $list that are no line of $dictionary as written:"
  echo "$strays"
  exit 1
fi
echo "$(wc -l < "$work/list") words, each a lower-case line of $dictionary"
