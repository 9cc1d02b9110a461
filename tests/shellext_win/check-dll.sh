#!/bin/sh
# Static checks of a cross-built QVIBWInfo.dll with objdump: its architecture, exactly the five
# exports, the resources (TYPELIB 1, dialog 102, the string tables of 100 and 2000-2023, the
# file types' icons 110 and 111, the version and manifest 2), the manifest's processor
# architecture, and the property schema beside it.
# usage: check-dll.sh OBJDUMP DLL ARCHITECTURE MANIFEST_ARCHITECTURE
set -u
objdump=$1 dll=$2 architecture=$3 manifest=$4
failures=0
check() { # description, then a command that succeeds
  what=$1; shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

headers=$("$objdump" -f "$dll") || { echo "FAIL objdump cannot read $dll"; exit 1; }
private=$("$objdump" -p "$dll")
check "architecture $architecture" sh -c 'printf "%s\n" "$1" | grep -qx "architecture: $2, .*"' - "$headers" "$architecture"

exports=$(printf '%s\n' "$private" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' |
          sed -n 's/^[[:space:]]*\[ *[0-9]*\] //p' | sort | tr '\n' ' ')
check "exactly the five exports (found: $exports)" \
  test "$exports" = "DllCanUnloadNow DllGetClassObject DllMain DllRegisterServer DllUnregisterServer "

# type:name pairs of the resource directory: type entries are indented by 3, names by 5.
resources=$(printf '%s\n' "$private" | sed -n '/^The .rsrc Resource Directory section/,/^$/p' | awk '
  /^[0-9a-f]+   Entry: / { type = ($3 == "ID:") ? $4 : $NF; sub(/,$/, "", type); next }
  /^[0-9a-f]+     Entry: ID: / { id = $4; sub(/,$/, "", id); print type ":" id }' | tr '\n' ' ')
# String tables hold 16 strings each: table 7 has 100, 126 and 127 hold 2000-2031.
for expected in "0x000005:0x000066=dialog 102" "0x000006:0x000007=string table of 100" \
                "0x000006:0x00007e=string table of 2000-2004" "0x000006:0x00007f=string table of 2020-2023" \
                "0x00000e:0x00006e=icon 110 (.ibw)" "0x00000e:0x00006f=icon 111 (.qvdf)" \
                "0x000010:0x000001=version" "0x000018:0x000002=manifest 2"; do
  check "resource ${expected#*=} present" sh -c 'case " $1 " in *" $2 "*) exit 0;; esac; exit 1' - \
    "$resources" "${expected%%=*}"
done
check "resource TYPELIB 1 present" sh -c 'printf "%s\n" "$1" | grep -A2 "TYPELIB" | grep -q "Entry: ID: 0x000001"' \
  - "$(printf '%s\n' "$private" | sed -n '/^The .rsrc Resource Directory section/,/^$/p')"
check "manifest names the assembly and the common controls 6 for $manifest" sh -c '
  grep -aq "name=\"Quorvane.extension.qvibwinfo\"" "$1" &&
  grep -aq "processorArchitecture=\"$2\"" "$1" &&
  grep -aq "name=\"Microsoft.Windows.Common-Controls\"" "$1"' - "$dll" "$manifest"

check "the property schema lies beside the DLL" test -s "$(dirname "$dll")/QVIBWInfo.propdesc"

echo "$failures check(s) failed"
[ "$failures" -eq 0 ]
