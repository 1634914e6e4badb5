#!/bin/sh
# The installed manual pages, French (the default) and English, render without a warning, and
# each page of tracelle-cli shows every line of the help that the installed tool prints in the
# page's language for each of its commands.
set -eu
cli=$1/bin/tracelle-cli

check() {
    lang=$1 man1=$2
    for page in "$man1/tracelle.1.gz" "$man1/tracelle-cli.1.gz"; do
        warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
            man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || { echo "$page: $warnings" >&2; exit 1; }
    done

    page=$(LC_ALL=C.UTF-8 MANWIDTH=250 man -E UTF-8 -l "$man1/tracelle-cli.1.gz")
    # The third block of the general help: a heading, then one command a line.
    commands=$(LANGUAGE=$lang "$cli" --help | awk 'BEGIN { RS = "" } NR == 3' | sed 1d |
        awk '{ print $1 }')
    [ -n "$commands" ]
    for command in $commands; do
        LANGUAGE=$lang "$cli" "$command" --help | sed -e 's/^ *//' -e '/^$/d' |
            while IFS= read -r line; do
                printf '%s\n' "$page" | grep -qF -- "$line" ||
                    { echo "$lang: tracelle-cli $command --help: not in the page: $line" >&2; exit 1; }
            done
    done
}

check fr "$1/share/man/man1"
check en "$1/share/man/en/man1"
