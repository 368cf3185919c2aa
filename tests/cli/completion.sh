#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of qv3n-cli, loaded the way bash-completion loads it:
# what it offers at each place of a command line, and that it offers every
# option that the help of each verb names.
#   completion.sh COMPLETION_FILE QV3N_CLI
set -uo pipefail
completion=$(realpath "$1")
cli=$(realpath "$2")
source /usr/share/bash-completion/bash_completion || exit 1
source "$completion" || exit 1
# Outside a real completion bash refuses compopt; the options it sets are not checked here.
compopt() { :; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
touch radio.chann radio.yaml list.csv list.pdf notes.txt
mkdir folder

# What the completion offers for LINE, the last word being completed, sorted
# on one line. Words split as bash splits them, "=" standing alone.
offered() {
    local line=$1 token
    COMP_WORDS=()
    for token in $line; do
        if [[ $token == --*=* ]]; then
            COMP_WORDS+=("${token%%=*}" "=" "${token#*=}")
        else
            COMP_WORDS+=("$token")
        fi
    done
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _qv3n_cli
    printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' '
}

failures=0
expect() {
    local line=$1 wanted=$2 got
    got=$(offered "$line")
    if [[ $got != "$wanted" ]]; then
        echo "FAIL: \"$line\" offers \"$got\", not \"$wanted\""
        failures=$((failures + 1))
    fi
}

ports="COM1 COM2 COM3 COM4 COM5 COM6 COM7 COM8"
# Serial devices present on this machine are offered among the ports as well.
for device in /dev/ttyUSB* /dev/ttyACM* /dev/serial/by-id/*; do
    [[ -e $device ]] && ports+=" $device"
done
ports=$(tr ' ' '\n' <<<"$ports" | sort | paste -sd' ')

expect "qv3n-cli " "check convert diff export fleet help import ports print read show sort write"
expect "qv3n-cli ex" "export"
expect "qv3n-cli help " "check convert diff export fleet import ports print read show sort write"
expect "qv3n-cli -" "--help --lang --version"
expect "qv3n-cli --lang " "en zh"
expect "qv3n-cli read " "$ports"
expect "qv3n-cli read --trace t.txt C" "$ports"
expect "qv3n-cli read COM1 -o " "folder radio.chann radio.yaml"
expect "qv3n-cli read COM1 " ""
expect "qv3n-cli write COM1 " "folder radio.chann radio.yaml"
expect "qv3n-cli write COM1 radio.chann --backup " "folder"
expect "qv3n-cli write COM1 radio.chann --radio-version " "1 2"
expect "qv3n-cli show " "folder radio.chann radio.yaml"
expect "qv3n-cli convert radio.yaml -o " "folder radio.chann radio.yaml"
expect "qv3n-cli show radio.yaml --base " "folder radio.chann radio.yaml"
expect "qv3n-cli check radio.chann " ""
expect "qv3n-cli export radio.chann -o " "folder list.csv"
expect "qv3n-cli import " "folder list.csv"
expect "qv3n-cli import list.csv -o new.chann --base " "folder radio.chann radio.yaml"
expect "qv3n-cli diff radio.chann " "$(tr ' ' '\n' <<<"$ports folder radio.chann radio.yaml" | sort | paste -sd' ')"
expect "qv3n-cli diff radio.chann COM1 " ""
expect "qv3n-cli print radio.chann -o " "folder list.pdf"
expect "qv3n-cli print radio.chann --paper=" "a4 letter"
expect "qv3n-cli ports " ""
expect "qv3n-cli fleet " "folder radio.chann radio.yaml"
expect "qv3n-cli fleet radio.chann COM1 " "$ports"
expect "qv3n-cli fleet radio.chann COM1 --report " "folder list.csv"
expect "qv3n-cli print radio.chann --trace " "folder list.csv list.pdf notes.txt radio.chann radio.yaml"
expect "qv3n-cli sort " "folder radio.chann radio.yaml"
expect "qv3n-cli sort radio.chann --by " "name power rx tone tx"
expect "qv3n-cli sort radio.chann --by=t" "tone tx"
expect "qv3n-cli sort radio.chann --by rx -o " "folder radio.chann radio.yaml"
expect "qv3n-cli check radio.chann --plan " "china-public-409 frs gmrs pmr446"
expect "qv3n-cli import list.csv --into " "empty from:"
expect "qv3n-cli import list.csv --into e" "empty"
expect "qv3n-cli import list.csv --into f" "from:"

# Every verb the program's help lists is offered, and after it every option
# that the verb's own help names.
verbs=$("$cli" --help | awk '/^Verbs:$/ { on = 1; next } /^$/ { on = 0 } on && /^  [a-z]/ { print $1 }')
[[ -n $verbs ]] || { echo "FAIL: qv3n-cli --help lists no verbs"; exit 1; }
for verb in $verbs; do
    if ! grep -qw -- "$verb" <<<"$(offered "qv3n-cli ")"; then
        echo "FAIL: the help lists the verb $verb, which the completion does not offer"
        failures=$((failures + 1))
    fi
    [[ $verb == help ]] && continue
    help=$("$cli" help "$verb") || exit 1
    for option in $(grep -oE '(^|[ [])--?[a-z][a-z-]*' <<<"$help" | tr -d ' [' | sort -u); do
        if ! grep -qw -- "$option" <<<"$(offered "qv3n-cli $verb -")"; then
            echo "FAIL: the help of $verb names $option, which the completion does not offer"
            failures=$((failures + 1))
        fi
    done
done

if ((failures)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "every completion as expected"
