#!/bin/sh
# Runs the cross-built test program on the DLL under Wine, in a locale whose ANSI code page the
# program is told to expect.
# usage: run-wine-test.sh TEST_EXE DLL FIXTURE_FOLDER SAMPLE_WAVE LOCALE CODE_PAGE   (WINEPREFIX set)
set -u
QV_WINE_LOCALE=$5
. "$(dirname "$0")/wine-env.sh"
"$WINE" "$1" "$2" "$3" "$4" "$6" 9>&-
status=$?
"$(dirname "$WINE")/wineserver" -w 9>&- 2>/dev/null
exit $status
