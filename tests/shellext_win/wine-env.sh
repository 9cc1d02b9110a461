# Sourced by the Wine test scripts: finds Wine, or exits with the skip code 77 saying why, and
# prepares a prefix of the test's own (WINEPREFIX) whose graphics driver is the null driver, so
# windows are made and painted in memory with no display at all.
WINE=${QV_WINE:-/usr/lib/wine/wine64}
if [ ! -x "$WINE" ]; then
  echo "SKIPPED: $WINE not found; install wine64 to run the Windows DLL tests"
  exit 77
fi
: "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's ANSI code page follows the locale: the texts under test are Windows-1252.
export LC_ALL=en_US.UTF-8
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$WINEPREFIX"
# One test at a time per prefix (the first one creates it); Wine's own processes must not
# inherit the lock, or its server would hold it after the test.
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "creating the Wine prefix $WINEPREFIX"
  "$WINE" wineboot -i 9>&- >/dev/null 2>&1 || { echo "wineboot failed"; exit 1; }
  "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f 9>&- >/dev/null 2>&1
  # The desktop process started without a driver: stop it, the next run starts with the null one.
  "$(dirname "$WINE")/wineserver" -k 9>&- 2>/dev/null
  "$(dirname "$WINE")/wineserver" -w 9>&- 2>/dev/null
fi
