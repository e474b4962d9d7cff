#!/bin/sh
# Remakes the help page's screenshots: runs the program under a private X
# server (with_gui) and drives it by its accessible names (gui.py).
#   tools/aide/captures.sh BUILD_DIR GUI_TOOLS_DIR [OUT_DIR]
# BUILD_DIR holds app/kinotab and the demo video; GUI_TOOLS_DIR holds
# with_gui and gui.py; OUT_DIR defaults to resources/help/images.
# Needs the packages of "tools/setup.sh captures".
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
gui=$(cd "$2" && pwd)
out=${3:-$here/../../resources/help/images}
mkdir -p "$out"
out=$(cd "$out" && pwd)
"$gui/with_gui" /usr/bin/python3 "$here/captures.py" "$build" "$gui" "$out"
# The graph pictures come from the program's own graph drawing.
QT_QPA_PLATFORM=offscreen "$build/tools/graph_demo" "$out" >/dev/null
