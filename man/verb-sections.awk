# SPDX-License-Identifier: GPL-3.0-or-later
# The help of one qv3n-cli verb (qv3n-cli help VERB) as a subsection of the
# manual page: the usage line as its synopsis, paragraphs as text, and the
# indented "TAG  description" lines as a tagged list.
#   awk -v verb=VERB -f verb-sections.awk
function roff(text) {
    gsub(/\\/, "\\e", text)
    gsub(/-/, "\\-", text)
    sub(/^[.']/, "\\\\&&", text)
    return text
}
function trim(text) {
    sub(/^ +/, "", text)
    sub(/ +$/, "", text)
    return text
}
BEGIN { printf ".SS \"%s\"\n", verb; state = "" }
NR == 1 {
    sub(/^Usage: qv3n-cli [^ ]+/, "")
    printf ".PP\n\\fBqv3n\\-cli %s\\fR%s\n", verb, roff($0)
    state = "usage"
    next
}
/^$/ { state = ""; next }
state == "usage" { print roff(trim($0)); next }
/^[^ ]/ {
    if (state != "text")
        print ".PP"
    print roff($0)
    state = "text"
    next
}
{
    line = trim($0)
    gap = index(line, "  ")
    # Deeply indented: the description of the tag above goes on.
    if (state == "tag" && match($0, /^      /)) {
        print roff(line)
        next
    }
    print ".TP"
    if (gap > 0) {
        printf "\\fB%s\\fR\n%s\n", roff(substr(line, 1, gap - 1)), roff(trim(substr(line, gap)))
    } else {
        printf "\\fB%s\\fR\n", roff(line)
    }
    state = "tag"
}
