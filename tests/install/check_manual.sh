#!/bin/sh
# The installed manual pages render without a warning, and the page of tracelle-cli shows
# every line of the help that the installed tool prints for each of its commands.
set -eu
man1=$1/share/man/man1
cli=$1/bin/tracelle-cli

for page in "$man1/tracelle.1.gz" "$man1/tracelle-cli.1.gz"; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$page: $warnings" >&2; exit 1; }
done

page=$(LC_ALL=C.UTF-8 MANWIDTH=250 man -E UTF-8 -l "$man1/tracelle-cli.1.gz")
commands=$("$cli" --help | awk '/^Commandes :$/ { on = 1; next } on && /^$/ { exit } on { print $1 }')
[ -n "$commands" ]
for command in $commands; do
    "$cli" "$command" --help | sed -e 's/^ *//' -e '/^$/d' | while IFS= read -r line; do
        printf '%s\n' "$page" | grep -qF -- "$line" ||
            { echo "tracelle-cli $command --help: not in the page: $line" >&2; exit 1; }
    done
done
