#!/bin/sh
# Writes the manual page of a program whose --help says it all: its name and summary, and the help
# text as the program prints it; compressed without a time stamp, as Debian keeps manual pages.
# Usage: help_man_page.sh PROGRAM VERSION "SUMMARY" OUTPUT.1.gz
set -eu
program=$1
version=$2
summary=$3
output=$4
name=$(basename "$program")

{
    printf '.TH %s 1 "" "%s %s" "User Commands"\n' "$(echo "$name" | tr a-z A-Z | sed 's/-/\\-/g')" \
        "$(echo "$name" | sed 's/-/\\-/g')" "$version"
    printf '.SH NAME\n%s \\- %s\n' "$(echo "$name" | sed 's/-/\\-/g')" "$summary"
    printf '.SH DESCRIPTION\n.nf\n'
    # roff takes "\" as its own and a leading "." or "'" as a request.
    "$program" --help 2>&1 | sed -e 's/\\/\\e/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
    printf '.fi\n'
} | gzip -9n >"$output"
