#!/bin/sh
# Writes klt-cli's manual page from its own --help, so that the two never disagree, compressed
# without a time stamp as Debian keeps manual pages.
# Usage: make_man_page.sh KLT_CLI VERSION OUTPUT.1.gz
set -eu
cli=$1
version=$2
output=$3

"$cli" --help | awk -v version="$version" '
# roff takes "\" and "-" as its own, and a leading "." or "'\''" as a request.
function roff(text) {
    gsub(/\\/, "\\e", text)
    gsub(/-/, "\\-", text)
    sub(/^[.'\'']/, "\\\\&&", text)
    return text
}
BEGIN {
    print ".TH KLT\\-CLI 1 \"\" \"klt\\-cli " version "\" \"User Commands\""
    print ".SH NAME"
    print "klt\\-cli \\- read, check, convert and program the memory of DSC marine VHF radios"
    print ".SH SYNOPSIS"
}
/^usage: / { sub(/^usage: /, ""); print ".br"; print roff($0); next }
/^       klt-cli/ { sub(/^ +/, ""); print ".br"; print roff($0); next }
/^verbs:$/ {
    print ".SH DESCRIPTION"
    print "klt\\-cli does from the command line what the editor, \\fBklt\\fR, does: it writes new"
    print "configurations, converts settings and image files, prints reports, exchanges tables with"
    print "spreadsheets, compares and checks files, and reads, programs and clears a radio over its"
    print "serial port, keeping backups of what a read brought and what a clear erases."
    print ".SH VERBS"
    verbs = 1
    next
}
verbs && /^  [a-z]/ { sub(/^ +/, ""); print ".TP"; print ".B " roff($0); next }
verbs && /^      / { sub(/^ +/, ""); print roff($0); next }
/^$/ { next }
{ if (!notes) { print ".SH NOTES"; notes = 1 } sub(/^ +/, ""); print roff($0); print ".br" }
END {
    print ".SH EXIT STATUS"
    print "0 when the verb did what it was asked; 1 when it failed, or found problems (\\fBcheck\\fR) or"
    print "differences (\\fBdiff\\fR); 2 when the command line is wrong, or \\fBcheck\\fR or \\fBdiff\\fR could"
    print "not read a file."
    print ".SH SEE ALSO"
    print "\\fBklt\\fR, the editor; \\fBklt\\-radio\\-sim\\fR, a simulated radio on a pseudo\\-terminal."
}' | gzip -9n > "$output"
