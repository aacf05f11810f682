#!/bin/sh
# check_includes.sh SOURCE_DIR: the dependency rule. The core never reaches
# up into the application or into Qt Widgets; the numeral builders, the
# text layer and the GIF reader use no Qt at all (the GIF reader's bitmap
# output and the picture strip draw with Qt Gui).
cd "$1" || exit 2
failures=0
forbid() {
    pattern=$1
    shift
    found=$(grep -rnE "$pattern" "$@" 2>/dev/null)
    if [ -n "$found" ]; then
        echo "$found"
        failures=$((failures + 1))
    fi
}
core="numerals gif pictures"
qt_free_gif=$(ls gif/*.h gif/*.cpp | grep -vE 'gif/(GIFBitmap|DIBWriter|DIBReader|GIFPalette)\.')
forbid '#include [<"](app/|tools/|tests/)' $core
forbid '#include <(QtWidgets|QWidget|QLabel|QApplication|QMainWindow|QAbstractButton|QTabWidget)' $core
forbid '#include <Q' numerals $qt_free_gif
forbid 'Qt6::Widgets' numerals/CMakeLists.txt gif/CMakeLists.txt pictures/CMakeLists.txt
[ "$failures" -eq 0 ] || { echo "the lines above break the dependency rule (docs/development.md)"; exit 1; }
