#!/usr/bin/env bash
# Brings the English catalogues up to date with the French texts of the sources, or with
# --check, fails when a text has no English yet or an English text has lost its French one.
# The core and the command-line tool (with the drawing of metafiles it links) translate
# through platform::translate; the windows through Qt's tr, in two catalogues so that the main
# window and the other windows can be worked on apart. The windows' headers are found through
# -I src, so that a tr context is the class's full name, as Qt looks it up.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
check=false
[[ ${1:-} == --check ]] && check=true

sources_of() {
    case $1 in
    core_en) echo src/core ;;
    cli_en) echo src/cli src/render ;;
    ui_main_en) echo src/ui/MainWindow* src/ui/tools src/app ;;
    ui_windows_en) ls src/ui/*.cpp src/ui/*.h | grep -v '^src/ui/MainWindow' ;;
    esac
}

# -I src: with the headers found, a class inside its namespace gets the context tr() looks up
# at run time ("tracelle::ui::MainWindow").
status=0
for catalogue in core_en cli_en ui_main_en ui_windows_en; do
    ts=translations/$catalogue.ts
    # shellcheck disable=SC2046
    if ! $check; then
        "$lupdate" -silent -locations none -target-language en -I src -no-obsolete $(sources_of $catalogue) -ts "$ts" 2>/dev/null
        continue
    fi
    copy=$(mktemp --suffix=.ts)
    [[ -f $ts ]] && cp "$ts" "$copy" || rm -f "$copy"
    "$lupdate" -silent -locations none -target-language en -I src $(sources_of $catalogue) -ts "$copy" 2>/dev/null
    if grep -q -E 'type="(unfinished|vanished|obsolete)"' "$copy"; then
        echo "$ts: texts without English or English without its text (run translations/lupdate.sh):"
        grep -B2 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep '<source>' | head -40
        status=1
    fi
    rm -f "$copy"
done
exit $status
