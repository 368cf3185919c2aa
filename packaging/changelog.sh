#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Turns CHANGELOG.md into what the package and the software centre show:
#
#   changelog.sh version CHANGELOG.md                     the newest version
#   changelog.sh date CHANGELOG.md                        its date (YYYY-MM-DD)
#   changelog.sh debian CHANGELOG.md PACKAGE MAINTAINER   the Debian changelog
#   changelog.sh appstream CHANGELOG.md                   AppStream <releases>
#
# A version is a line "## VERSION (YYYY-MM-DD)", each change an item "- text"
# whose further lines are indented; `code` marks are dropped. Any other text
# inside a version is refused, so that nothing written there goes missing.
set -euo pipefail
export LC_ALL=C

mode=$1
file=$2

versions=()
dates=()
items=()   # "index<TAB>text" for each item, index into versions

parse() {
    local line n=0 current=-1 item="" heading='^## ([0-9][0-9.]*) \(([0-9]{4}-[0-9]{2}-[0-9]{2})\)$'
    flush() {
        [ -n "$item" ] && items+=("$current"$'\t'"${item//\`/}")
        item=""
    }
    while IFS= read -r line || [ -n "$line" ]; do
        n=$((n + 1))
        if [[ $line =~ $heading ]]; then
            flush
            versions+=("${BASH_REMATCH[1]}")
            dates+=("${BASH_REMATCH[2]}")
            current=$((${#versions[@]} - 1))
        elif ((current < 0)) || [[ -z $line ]]; then
            flush
        elif [[ $line == "- "* ]]; then
            flush
            item=${line#- }
        elif [[ $line == "  "* && -n $item ]]; then
            item+=" ${line#"${line%%[! ]*}"}"
        else
            echo "$file:$n: not a version heading or a change item: $line" >&2
            exit 1
        fi
    done <"$file"
    flush
    if ((${#versions[@]} == 0)); then
        echo "$file: no version heading (## VERSION (YYYY-MM-DD))" >&2
        exit 1
    fi
}

xml_escape() {
    local text=${1//&/&amp;}
    text=${text//</&lt;}
    printf '%s' "${text//>/&gt;}"
}

parse
case $mode in
version) echo "${versions[0]}" ;;
date) echo "${dates[0]}" ;;
debian)
    package=$3
    maintainer=$4
    for i in "${!versions[@]}"; do
        printf '%s (%s) unstable; urgency=medium\n\n' "$package" "${versions[i]}"
        for entry in "${items[@]}"; do
            [ "${entry%%$'\t'*}" = "$i" ] || continue
            fold -s -w 74 <<<"${entry#*$'\t'}" | sed -e 's/ *$//' -e '1s/^/  * /' -e '2,$s/^/    /'
        done
        printf '\n -- %s  %s\n\n' "$maintainer" "$(date -u -d "${dates[i]} 12:00" -R)"
    done | sed '$d'
    ;;
appstream)
    echo "  <releases>"
    for i in "${!versions[@]}"; do
        echo "    <release version=\"${versions[i]}\" date=\"${dates[i]}\">"
        echo "      <description>"
        echo "        <ul>"
        for entry in "${items[@]}"; do
            [ "${entry%%$'\t'*}" = "$i" ] || continue
            echo "          <li>$(xml_escape "${entry#*$'\t'}")</li>"
        done
        echo "        </ul>"
        echo "      </description>"
        echo "    </release>"
    done
    echo "  </releases>"
    ;;
*)
    echo "usage: changelog.sh version|date|debian|appstream CHANGELOG.md [PACKAGE MAINTAINER]" >&2
    exit 2
    ;;
esac
