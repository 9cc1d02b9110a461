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
# Wine's ANSI code page follows the locale's name (C.UTF-8: 1252, ja_JP.UTF-8: 932), and its file
# names the locale's character set: the locale must exist, or names outside ASCII come out wrong.
LC_ALL=${QV_WINE_LOCALE:-C.UTF-8}
if ! locale -a | grep -qix "$(printf '%s' "$LC_ALL" | sed 's/UTF-8$/utf8/')"; then
  echo "SKIPPED: the locale $LC_ALL is not installed (scripts/install-deps.sh makes it)"
  exit 77
fi
export LC_ALL
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
