#!/bin/sh
# Runs the cross-built test program on the DLL under Wine.
# usage: run-wine-test.sh TEST_EXE DLL FIXTURE_FOLDER SAMPLE_WAVE   (WINEPREFIX set)
set -u
. "$(dirname "$0")/wine-env.sh"
"$WINE" "$1" "$2" "$3" "$4" 9>&-
status=$?
"$(dirname "$WINE")/wineserver" -w 9>&- 2>/dev/null
exit $status
