#!/usr/bin/env bash
# Every text of the program's own has its English: lupdate reads the
# sources into a copy of the translation file, which must then hold no
# unfinished message (a text added or changed without its English) and no
# vanished one (an English whose Swedish is gone).
set -euo pipefail
lupdate=$1
top=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$top/translations/ordkamp_en.ts" "$work/check.ts"
(cd "$top" && "$lupdate" -silent -locations none app controls editor platform res -ts "$work/check.ts")
status=0
for kind in unfinished vanished obsolete; do
  if grep -q "type=\"$kind\"" "$work/check.ts"; then
    echo "translations/ordkamp_en.ts: $kind messages:"
    grep -B3 "type=\"$kind\"" "$work/check.ts" | grep '<source>' || true
    status=1
  fi
done
[ "$status" = 0 ] && echo "every text has its English"
exit $status
