#!/bin/sh
# check_includes.sh SOURCE_DIR: the dependency rule. The core never reaches
# up into the application or into Qt Widgets; the numeral builders, the
# text layer and the GIF reader use no Qt at all (the GIF reader's bitmap
# output and the picture strip draw with Qt Gui). The glyph drawing uses Qt
# Gui, FreeType and fontconfig and nothing else of ours. Sign by Sign
# (signs/) is core too: plain C++ over the numerals, the text layer, the
# recogniser and the picture sequences. In the application,
# number entry (app/entry/) and the rows (app/rows/) know nothing of each
# other or of the window, except that entry reads the row table (which rows
# there are, in the window's order); the rows may read the program's resources.
cd "$1" || exit 2
failures=0
# The one line every rule lets through: number entry reads the row table.
allowed='^app/entry/[^:]*:[0-9]+:#include "rows/RowTable\.h"$'
forbid() {
    pattern=$1
    shift
    found=$(grep -rnE "$pattern" "$@" 2>/dev/null | grep -vE "$allowed")
    if [ -n "$found" ]; then
        echo "$found"
        failures=$((failures + 1))
    fi
}
# Every Qt Widgets header by name, so that none slips into a widget-free part.
widgets_dir=$(ls -d /usr/include/*/qt6/QtWidgets /usr/include/qt6/QtWidgets 2>/dev/null | head -n 1)
[ -n "$widgets_dir" ] || { echo "no Qt Widgets headers found (package qt6-base-dev)"; exit 2; }
widget_headers=$(ls "$widgets_dir" | grep -v '\.' | tr '\n' '|')
widget_include="#include <(QtWidgets/)?(QtWidgets|${widget_headers%|})>"

core="numerals gif pictures signs"
qt_free_gif=$(ls gif/*.h gif/*.cpp | grep -vE 'gif/(GIFBitmap|DIBWriter|DIBReader|GIFPalette)\.')
forbid '#include [<"](app/|glyphs/|entry/|rows/|tools/|tests/)' $core
forbid "$widget_include" $core glyphs
forbid '#include <Q' numerals signs $qt_free_gif
forbid '#include "[^g]|#include "g[^l]|#include "gl[^y]' glyphs
forbid 'Qt6::Widgets' numerals/CMakeLists.txt gif/CMakeLists.txt pictures/CMakeLists.txt glyphs/CMakeLists.txt \
    signs/CMakeLists.txt
forbid '#include "[A-Za-z0-9]+\.h"' app/entry
forbid '#include "rows/' app/entry
window_headers=$(cd app && ls *.h | grep -v '^ProgramResources\.h$' | sed 's/\./\\./' | tr '\n' '|')
forbid "#include \"(entry/|${window_headers%|})\"" app/rows
# The "Sign by Sign" views (app/signs/) build on the rows and read the range
# message of number entry; the rows and number entry know nothing of them.
view_headers=$(cd app/signs && ls *.h | sed 's/\./\\./' | tr '\n' '|')
forbid "#include \"signs/(${view_headers%|})\"" app/rows app/entry
forbid '#include "entry/[^N]|#include "entry/N[^u]|#include "[A-Za-z0-9]+\.h"' app/signs
[ "$failures" -eq 0 ] || { echo "the lines above break the dependency rule (docs/development.md)"; exit 1; }
