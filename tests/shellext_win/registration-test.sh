#!/bin/sh
# Registers and unregisters the DLL with regsvr32 under Wine and compares what reg query finds
# with the expected entries (registered.txt, unregistered.txt; @MODULE@ stands for the DLL's
# path, @FOLDER@ for its folder). Also: registering twice leaves one set; another program's
# association and handler are left alone and kept on removal, a stale one is taken and given
# back; an earlier version's entries are replaced; without the Approved key or without the
# property schema beside the DLL registration fails before anything is written.
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
handlers='HKLM\Software\Microsoft\Windows\CurrentVersion\PropertySystem\PropertyHandlers'
icon_slot='HKCR\SystemFileAssociations\.ibw\ShellEx\IconHandler'
other='{2D3C4B5A-0000-4000-8000-00000000C0DE}'
failures=0
check() { # description, then a command that succeeds
  what=$1; shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
wine_run() { "$WINE" "$@" 9>&- >/dev/null 2>&1; }

# One cmd run for many reg commands: each is far cheaper inside it than as its own Wine start.
run_batch() { # lines of the batch file on standard input; its output, without carriage returns
  sed 's/$/\r/' > "$work/batch.bat"
  "$WINE" cmd /c "$(windows_path "$work/batch.bat")" 9>&- 2>/dev/null | tr -d '\r'
}

# Keys, values and MISSING markers, with the module path replaced by placeholders.
snapshot() {
  {
    printf '%s\n' '@echo off'
    for key in 'HKCR\IBWInfo.IBWExtractor.1' 'HKCR\IBWInfo.IBWExtractor' "HKCR\\CLSID\\$clsid" 'HKCR\.ibw' \
               'HKCR\.qvdf' 'HKCR\ibwfile' 'HKCR\qvdffile' 'HKCR\SystemFileAssociations\.ibw' \
               'HKCR\SystemFileAssociations\.qvdf' 'HKCR\Folder\Shellex\ColumnHandlers' "$approved\\$clsid" \
               "$handlers\\.ibw" 'HKLM\Software\Quorvane' "HKCR\\TypeLib\\$libid"; do
      printf '%s\n' "echo QUERY $key"
      printf '%s\n' "reg query \"$key\" /s"
      printf '%s\n' "if errorlevel 1 echo MISSING"
    done
    printf '%s\n' "echo QUERY $approved value $clsid"
    printf '%s\n' "reg query \"$approved\" /v $clsid"
    printf '%s\n' "if errorlevel 1 echo MISSING"
  } | run_batch | MODULE=$module FOLDER=$folder awk '
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

# "KEY=DEFAULT" per key, DEFAULT empty for a key without a default value, MISSING for no key.
defaults() {
  {
    printf '%s\n' '@echo off'
    for key in "$@"; do
      printf '%s\n' "echo QUERY $key"
      printf '%s\n' "reg query \"$key\" /ve"
      printf '%s\n' "if errorlevel 1 echo MISSING"
    done
  } | run_batch | awk '
    function flush() { if (key != "") print key "=" value; key = "" }
    /^QUERY / { flush(); key = substr($0, 7); value = ""; next }
    /^MISSING$/ { value = "MISSING"; next }
    /REG_/ { split(substr($0, 5), part, "    "); value = part[3] }
    END { flush() }'
}

compare() { # description, expected file, snapshot file
  if diff -u "$2" "$3" > "$3.diff"; then
    printf '%s\n' "ok   $1"
  else
    echo "FAIL $1"; cat "$3.diff"; failures=$((failures + 1))
  fi
}

has() { # description, expected KEY=DEFAULT line, the output of defaults
  case "$3" in *"$2"*) echo "ok   $1";; *) echo "FAIL $1 (want $2)"; printf '%s\n' "$3"; failures=$((failures + 1));; esac
}

# A machine where nothing has been registered: every key the test reads is gone.
{
  printf '%s\n' '@echo off'
  for key in 'HKCR\.ibw' 'HKCR\.qvdf' 'HKCR\ibwfile' 'HKCR\qvdffile' 'HKCR\SystemFileAssociations\.ibw' \
             'HKCR\SystemFileAssociations\.qvdf' "$handlers\\.ibw" 'HKLM\Software\Quorvane' 'HKCR\OtherApp.Wave' \
             "HKCR\\CLSID\\$other"; do
    printf '%s\n' "reg delete \"$key\" /f >nul 2>nul"
  done
} | run_batch > /dev/null
wine_run regsvr32 /s /u "$dll"

check "regsvr32 registers the DLL" wine_run regsvr32 /s "$dll"
check "regsvr32 registers the DLL a second time" wine_run regsvr32 /s "$dll"
snapshot > "$work/registered.out"
compare "registering twice leaves exactly the listed entries" "$here/registered.txt" "$work/registered.out"

check "regsvr32 /u unregisters the DLL" wine_run regsvr32 /s /u "$dll"
snapshot > "$work/unregistered.out"
compare "unregistering removes the entries, restores what the extensions were and keeps the shared keys" \
  "$here/unregistered.txt" "$work/unregistered.out"
check "regsvr32 /u of an unregistered DLL succeeds" wine_run regsvr32 /s /u "$dll"

# Another program owns .ibw and its icon slot; .qvdf names a program that is gone.
{
  printf '%s\n' '@echo off'
  printf '%s\n' 'reg add "HKCR\.ibw" /ve /d OtherApp.Wave /f >nul'
  printf '%s\n' 'reg add "HKCR\OtherApp.Wave\shell\open\command" /ve /d "other.exe %%1" /f >nul'
  printf '%s\n' "reg add \"HKCR\\CLSID\\$other\\InprocServer32\" /ve /d other.dll /f >nul"
  printf '%s\n' "reg add \"$icon_slot\" /ve /d $other /f >nul"
  printf '%s\n' 'reg add "HKCR\.qvdf" /ve /d Gone.Program /f >nul'
} | run_batch > /dev/null
check "regsvr32 registers beside another program's association" wine_run regsvr32 /s "$dll"
found=$(defaults 'HKCR\.ibw' 'HKCR\.qvdf' "$icon_slot" 'HKCR\SystemFileAssociations\.ibw\ShellEx\{e357fccd-a995-4576-b01f-234630154e96}' 'HKCR\OtherApp.Wave\shell\open\command')
has "another program's .ibw stays its own" 'HKCR\.ibw=OtherApp.Wave' "$found"
has "another program's icon handler stays" "$icon_slot=$other" "$found"
has "the thumbnail provider applies whatever owns .ibw" "{e357fccd-a995-4576-b01f-234630154e96}=$clsid" "$found"
has "a .qvdf that names a program that is gone is taken" 'HKCR\.qvdf=qvdffile' "$found"
check "regsvr32 /u unregisters beside another program's association" wine_run regsvr32 /s /u "$dll"
found=$(defaults 'HKCR\.ibw' 'HKCR\.qvdf' "$icon_slot" 'HKCR\OtherApp.Wave\shell\open\command' \
  'HKCR\SystemFileAssociations\.ibw\ShellEx\{e357fccd-a995-4576-b01f-234630154e96}')
has "removal keeps another program's .ibw" 'HKCR\.ibw=OtherApp.Wave' "$found"
has "removal keeps another program's open command" 'HKCR\OtherApp.Wave\shell\open\command=other.exe %1' "$found"
has "removal keeps another program's icon handler" "$icon_slot=$other" "$found"
has "removal gives .qvdf back what it named" 'HKCR\.qvdf=Gone.Program' "$found"
has "removal takes the thumbnail provider away" '{e357fccd-a995-4576-b01f-234630154e96}=MISSING' "$found"

# What an earlier version left: its handlers under ibwfile and both extensions on ibwfile.
{
  printf '%s\n' '@echo off'
  for key in 'HKCR\.ibw' 'HKCR\.qvdf' 'HKCR\OtherApp.Wave' "HKCR\\CLSID\\$other" 'HKCR\SystemFileAssociations\.ibw'; do
    printf '%s\n' "reg delete \"$key\" /f >nul 2>nul"
  done
  printf '%s\n' 'reg add "HKCR\.ibw" /ve /d ibwfile /f >nul'
  printf '%s\n' 'reg add "HKCR\.qvdf" /ve /d ibwfile /f >nul'
  printf '%s\n' "reg add \"HKCR\\ibwfile\\shellex\\IconHandler\" /ve /d $clsid /f >nul"
  printf '%s\n' "reg add \"HKCR\\ibwfile\\shellex\\PropertySheetHandlers\\$clsid\" /f >nul"
} | run_batch > /dev/null
check "regsvr32 registers over an earlier version" wine_run regsvr32 /s "$dll"
found=$(defaults 'HKCR\.qvdf' 'HKCR\ibwfile\shellex\IconHandler')
has "the earlier version's .qvdf becomes qvdffile" 'HKCR\.qvdf=qvdffile' "$found"
has "the earlier version's handlers under ibwfile are gone" 'HKCR\ibwfile\shellex\IconHandler=MISSING' "$found"
check "regsvr32 /u unregisters what the earlier version left" wine_run regsvr32 /s /u "$dll"
snapshot > "$work/earlier.out"
compare "nothing is left of either version" "$here/unregistered.txt" "$work/earlier.out"

# Without its property schema beside it the DLL refuses to register.
mkdir -p "$work/alone"
cp "$dll" "$work/alone/QVIBWInfo.dll"
check "without its property schema regsvr32 fails" sh -c '! "$@"' - "$WINE" regsvr32 /s "$work/alone/QVIBWInfo.dll"
snapshot > "$work/alone.out"
compare "a registration without the schema writes nothing" "$here/unregistered.txt" "$work/alone.out"

# The Approved key is opened, never created: without it nothing may be written.
wine_run reg delete "$approved" /f
check "without the Approved key regsvr32 fails" sh -c '! "$@"' - "$WINE" regsvr32 /s "$dll"
snapshot > "$work/refused.out"
compare "a refused registration writes nothing" "$here/unregistered.txt" "$work/refused.out"
wine_run reg add "$approved" /f

"$(dirname "$WINE")/wineserver" -w 9>&- 2>/dev/null
printf '%s\n' "$failures check(s) failed"
[ "$failures" -eq 0 ]
