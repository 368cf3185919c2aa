#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a program's gzipped manual page from its own --help and --version
# with help2man, so that the two cannot drift apart, plus the sections the
# help leaves out (files, examples, see also) from NAME.h2m.
#
#   make-man-page.sh PROGRAM INCLUDE DATE OUTPUT
#
# DATE (YYYY-MM-DD, the release's) dates the page, so that a rebuild makes the
# same page. Where the help lists verbs (qv3n-cli), the help of each verb
# (PROGRAM help VERB) becomes a subsection of the description. The "Exit
# status:" list of the help becomes a section of its own.
set -euo pipefail
program=$1
include=$2
date=$3
output=$4
here=$(cd "$(dirname "$0")" && pwd)
# The help in English, as help2man reads it.
export LC_ALL=C
unset LANGUAGE

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
includes=(--include="$include")
# The verbs are the first words of the lines under "Verbs:", up to a blank line.
mapfile -t verbs < <("$program" --help | awk '/^Verbs:$/ { on = 1; next } /^$/ { on = 0 }
    on && /^  [a-z]/ && $1 != "help" { print $1 }')
if ((${#verbs[@]})); then
    {
        echo "[>DESCRIPTION]"
        for verb in "${verbs[@]}"; do
            "$program" help "$verb" | awk -v verb="$verb" -f "$here/verb-sections.awk"
        done
    } >"$work/verbs.h2m"
    includes+=(--include="$work/verbs.h2m")
fi

SOURCE_DATE_EPOCH=$(date -u -d "$date" +%s) help2man --no-info --section=1 \
    --source="Quillmere Radio Workshop" --manual="User Commands" "${includes[@]}" \
    --output="$work/page.1" "$program"
sed -e 's/^\.SS "Exit status:"$/.SH "EXIT STATUS"/' "$work/page.1" | gzip -9n >"$output"
