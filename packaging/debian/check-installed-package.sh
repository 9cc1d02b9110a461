#!/bin/sh
# check-installed-package.sh PACKAGE.deb SAMPLE.ibw: installs the package on this machine (root)
# and uses its programs from /usr/bin as a user would, with no display: the thumbnailer and the
# viewer's batch export write their pictures, and the desktop recognises a wave file.
set -eu
deb=$1
sample=$2
# apt takes a file only when its name starts with / or ./
case "$deb" in
/* | ./*) ;;
*) deb=./$deb ;;
esac
apt-get install -y "$deb"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
headless() {
    env -u DISPLAY -u WAYLAND_DISPLAY "$@"
}

headless /usr/bin/qvibw-thumbnailer -s 128 "$sample" "$work/thumbnail.png"
test -s "$work/thumbnail.png"
echo "installed thumbnailer: $work/thumbnail.png written"

headless /usr/bin/vistrel-light --export-image "$work/view.png" "$sample"
test -s "$work/view.png"
echo "installed viewer: $work/view.png written with no display"

cp "$sample" "$work/copy.ibw"
type=$(xdg-mime query filetype "$work/copy.ibw")
echo "xdg-mime: $type"
test "$type" = application/x-igor-binary-wave
