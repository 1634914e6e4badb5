#!/bin/sh
# After `make install`: the desktop learns the new MIME type and which program opens it, as
# the Debian package's triggers do for /usr. Skipped for a staged install (DESTDIR), whose
# caches belong to the final system.
set -eu
share=$1/share
[ -z "${DESTDIR:-}" ] || exit 0
if command -v update-mime-database >/dev/null; then
    update-mime-database "$share/mime"
fi
if command -v update-desktop-database >/dev/null; then
    update-desktop-database -q "$share/applications"
fi
