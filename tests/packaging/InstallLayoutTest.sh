#!/bin/sh
# InstallLayoutTest.sh BUILD_DIR PREFIX SAMPLE.ibw "PROGRAM;...": installs BUILD_DIR into
# PREFIX and checks what the desktop finds there. Prints one line per failed check.
set -u
build=$1
prefix=$2
sample=$3
programs=$4
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
share=$prefix/share

old_ifs=$IFS
IFS=';'
for program in $programs; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
IFS=$old_ifs

desktop=$share/applications/vistrel-light.desktop
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
for line in 'Name=Vistrel Light' 'Exec=vistrel-light %f' 'Categories=Science;DataVisualization;' \
    'MimeType=application/x-igor-binary-wave;' 'Icon=vistrel-light'; do
    grep -qxF "$line" "$desktop" || fail "desktop entry lacks '$line'"
done

thumbnailer=$share/thumbnailers/qvibw.thumbnailer
for line in '[Thumbnailer Entry]' 'TryExec=qvibw-thumbnailer' 'Exec=qvibw-thumbnailer -s %s %i %o' \
    'MimeType=application/x-igor-binary-wave;application/x-qvdf;' '[X-Tumbler Settings]' 'Priority=4'; do
    grep -qxF "$line" "$thumbnailer" || fail "thumbnailer entry lacks '$line'"
done

# Each PNG's IHDR holds its width and height as big-endian words at bytes 16 and 20.
for size in 16 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x$size/apps/vistrel-light.png
    if [ ! -f "$png" ]; then
        fail "no $size px icon"
        continue
    fi
    width=$(od -An -tu1 -j16 -N4 "$png" | awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4}')
    height=$(od -An -tu1 -j20 -N4 "$png" | awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4}')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$size px icon is ${width}x$height"
done
[ -f "$share/icons/hicolor/scalable/apps/vistrel-light.svg" ] || fail "no scalable icon"

XDG_DATA_DIRS=$share:/usr/share update-mime-database "$share/mime" || fail "update-mime-database"
files=$prefix/files
mkdir -p "$files"
cp "$sample" "$files/copy.ibw"
# The first word of each version of the format, in either byte order; versions 1 and 4 do not
# count (a 1 is too common, a 4 was never written).
for version in 1 2 3 4 5 6; do
    printf "\\00$version\\000\\000\\000\\000\\000\\000\\000" >"$files/little-$version"
    printf "\\000\\00$version\\000\\000\\000\\000\\000\\000" >"$files/big-$version"
done
printf '\000\000\000\000\020\000\000\000QVDF\000\000\000\000' >"$files/container"
cp "$files/container" "$files/scan.qvdf"

# The installed types only: the prefix first, the system's types after it.
type_of() {
    XDG_DATA_HOME=$prefix/none XDG_DATA_DIRS=$share:/usr/share mimetype --brief "$1"
}
expect() {
    found=$(type_of "$files/$1")
    [ "$found" = "$2" ] || fail "$1 is '$found', not '$2'"
}
expect copy.ibw application/x-igor-binary-wave
for version in 2 3 5 6; do
    expect little-$version application/x-igor-binary-wave
    expect big-$version application/x-igor-binary-wave
done
for version in 1 4; do
    for order in little big; do
        [ "$(type_of "$files/$order-$version")" != application/x-igor-binary-wave ] ||
            fail "$order-endian version $version taken for a wave"
    done
done
expect scan.qvdf application/x-qvdf
expect container application/x-qvdf

[ "$failures" -eq 0 ] || exit 1
echo "install layout: all checks passed"
