#!/bin/sh
# Registers and unregisters the DLL with regsvr32 under Wine and compares what reg query finds
# with the expected entries (registered.txt, unregistered.txt; @MODULE@ stands for the DLL's
# path, @FOLDER@ for its folder). Also: registering twice leaves one set, and without the
# Approved key registration fails before anything is written.
# usage: registration-test.sh DLL WORK_FOLDER   (WINEPREFIX set)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
dll=$1 work=$2
mkdir -p "$work"
windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }
module=$(windows_path "$(cd "$(dirname "$dll")" && pwd)/$(basename "$dll")")
folder=${module%\\*}
clsid='{134001D0-B503-4C5D-BD37-24A40D80F62D}'
libid='{F4A88D07-D5FE-405F-AB9B-5B824B57A877}'
approved='HKLM\Software\Microsoft\Windows\CurrentVersion\Shell Extensions\Approved'
failures=0
check() { # description, then a command that succeeds
  what=$1; shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
wine_run() { "$WINE" "$@" 9>&- >/dev/null 2>&1; }

# One cmd run for all queries: each reg is far cheaper inside it than as its own Wine start.
queries="$work/queries.bat"
{
  echo '@echo off'
  for key in 'HKCR\IBWInfo.IBWExtractor.1' 'HKCR\IBWInfo.IBWExtractor' "HKCR\\CLSID\\$clsid" 'HKCR\.ibw' \
             'HKCR\.qvdf' 'HKCR\ibwfile\shellex' 'HKCR\Folder\Shellex\ColumnHandlers' "$approved\\$clsid" \
             "HKCR\\TypeLib\\$libid"; do
    echo "echo QUERY $key"
    echo "reg query \"$key\" /s"
    echo "if errorlevel 1 echo MISSING"
  done
  echo "echo QUERY $approved value $clsid"
  echo "reg query \"$approved\" /v $clsid"
  echo "if errorlevel 1 echo MISSING"
} | sed 's/$/\r/' > "$queries"

# Keys, values and MISSING markers, with the module path replaced by placeholders.
snapshot() {
  "$WINE" cmd /c "$(windows_path "$queries")" 9>&- 2>/dev/null | tr -d '\r' | MODULE=$module FOLDER=$folder awk '
    BEGIN { module = ENVIRON["MODULE"]; folder = ENVIRON["FOLDER"] }
    function placeholders(text) {
      if ((i = index(text, module)) > 0) text = substr(text, 1, i - 1) "@MODULE@" substr(text, i + length(module))
      else if (text == folder) text = "@FOLDER@"
      return text
    }
    /^QUERY / || /^MISSING$/ { print; next }
    /^HKEY_/ { print "key " $0; next }
    /^    / { split(substr($0, 5), part, "    "); print "    " part[1] " " part[2] " " placeholders(part[3]) }'
}

compare() { # description, expected file, snapshot file
  if diff -u "$2" "$3" > "$3.diff"; then
    echo "ok   $1"
  else
    echo "FAIL $1"; cat "$3.diff"; failures=$((failures + 1))
  fi
}

wine_run regsvr32 /s /u "$dll"
check "regsvr32 registers the DLL" wine_run regsvr32 /s "$dll"
check "regsvr32 registers the DLL a second time" wine_run regsvr32 /s "$dll"
snapshot > "$work/registered.out"
compare "registering twice leaves exactly the listed entries" "$here/registered.txt" "$work/registered.out"

check "regsvr32 /u unregisters the DLL" wine_run regsvr32 /s /u "$dll"
snapshot > "$work/unregistered.out"
compare "unregistering removes the entries and keeps the shared keys" "$here/unregistered.txt" \
  "$work/unregistered.out"
check "regsvr32 /u of an unregistered DLL succeeds" wine_run regsvr32 /s /u "$dll"

# The Approved key is opened, never created: without it nothing may be written.
wine_run reg delete "$approved" /f
check "without the Approved key regsvr32 fails" sh -c '! "$@"' - "$WINE" regsvr32 /s "$dll"
snapshot > "$work/refused.out"
compare "a refused registration writes nothing" "$here/unregistered.txt" "$work/refused.out"
wine_run reg add "$approved" /f

"$(dirname "$WINE")/wineserver" -w 9>&- 2>/dev/null
echo "$failures check(s) failed"
[ "$failures" -eq 0 ]
