#!/bin/sh
# check-installed-package.sh PACKAGE.deb SAMPLE.ibw: checks the package with lintian, installs it
# on this machine (root) and uses its programs from /usr/bin as a user would, with no display or
# a stale one: the thumbnailer and the viewer's batch export write their pictures, and the
# desktop recognises a wave file. Needs lintian and xdg-utils (scripts/install-deps.sh).
set -eu
deb=$1
sample=$2
# apt takes a file only when its name starts with / or ./
case "$deb" in
/* | ./*) ;;
*) deb=./$deb ;;
esac
# Debian's own checks, as the archive runs them (its note on running as root is not a tag).
lintian --fail-on error,warning "$deb"
echo "lintian: no errors or warnings"
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

# An ssh or tmux session that outlived its desktop names a display no one answers on.
env -u WAYLAND_DISPLAY DISPLAY=:4097 /usr/bin/vistrel-light --export-image "$work/stale.png" "$sample"
cmp "$work/view.png" "$work/stale.png"
echo "installed viewer: the same picture with a stale DISPLAY"

cp "$sample" "$work/copy.ibw"
type=$(xdg-mime query filetype "$work/copy.ibw")
echo "xdg-mime: $type"
test "$type" = application/x-igor-binary-wave
