#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a text shown to the user has no Chinese translation: every source
# folder with translatable text has its file translations/<folder>_zh_CN.ts,
# and refreshing each file from its folder leaves no unfinished entry.
#   check_translations.sh SOURCE_DIR LUPDATE
set -euo pipefail
src=$1
lupdate=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0

for dir in "$src"/*/; do
    folder=$(basename "$dir")
    case $folder in tests|bench|build*|translations|docs|scripts|resources|fuzz) continue ;; esac
    if grep -rqE '\btr\(|translate\(' --include='*.cpp' --include='*.h' "$dir" &&
        [ ! -f "$src/translations/${folder}_zh_CN.ts" ]; then
        echo "no translation file for $folder/ (expected translations/${folder}_zh_CN.ts)"
        failed=1
    fi
done

for ts in "$src"/translations/*_zh_CN.ts; do
    name=$(basename "$ts" _zh_CN.ts)
    cp "$ts" "$tmp/"
    "$lupdate" -silent -locations none -no-obsolete "$src/$name" -ts "$tmp/$(basename "$ts")"
    missing=$(grep -cE 'type="unfinished"|<translation></translation>|<translation/>' "$tmp/$(basename "$ts")" || true)
    if [ "$missing" -gt 0 ]; then
        echo "$name: $missing text(s) without a Chinese translation:"
        grep -B3 -E 'type="unfinished"|<translation></translation>|<translation/>' "$tmp/$(basename "$ts")" |
            grep -E '<source>|<comment>' | sed 's/^ */    /'
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "every text has its Chinese translation"
exit "$failed"
