#!/bin/sh
# The installed desktop entry, AppStream metadata, MIME type and icons, checked with the
# tools of the freedesktop standards, and projects recognised by a MIME database built
# from the installed type alone.
set -eu
share=$1/share

desktop-file-validate "$share/applications/tracelle.desktop"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml
xmllint --noout "$share/mime/packages/tracelle.xml"

for size in 16 22 24 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/tracelle.png
    # Width and height: the big-endian words at bytes 16 and 20 of a PNG.
    dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
    [ "$dims" = "${size}x${size}" ] || { echo "$icon: $dims" >&2; exit 1; }
done
xmllint --noout "$share/icons/hicolor/scalable/apps/tracelle.svg"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data/mime/packages"
cp "$share/mime/packages/tracelle.xml" "$work/data/mime/packages/"
update-mime-database "$work/data/mime" 2>/dev/null
printf '/TRACELLE\r\n' >"$work/plan.trc"
cp "$work/plan.trc" "$work/plan-sans-extension"
printf 'x\r\n' >"$work/vide.trc"
for file in plan.trc plan-sans-extension vide.trc; do
    type=$(XDG_DATA_HOME="$work/data" gio info -a standard::content-type "$work/$file" |
        sed -n 's/.*content-type: //p')
    [ "$type" = application/x-tracelle-project ] || { echo "$file: $type" >&2; exit 1; }
done
