#!/bin/sh
# ThumbnailServiceTest.sh PREFIX THUMBNAILER SAMPLE.ibw: asks a real thumbnail service (Xfce's
# tumblerd, over D-Bus) for a thumbnail of the sample while another program's thumbnailer
# claims the same type; ours must be the one used, whatever order the entries are read in.
# PREFIX is the scratch install of the install-layout test. Skips (77) without tumblerd. The
# service starts on the first request and a loaded machine may take seconds: up to half a minute each.
set -u
prefix=$(realpath "$1")
thumbnailer=$(realpath "$2")
sample=$(realpath "$3")
tumblerd=$(ls /usr/lib/*/tumbler-1/tumblerd 2>/dev/null | head -n 1)
if [ -z "$tumblerd" ] || ! command -v dbus-run-session >/dev/null || ! command -v gdbus >/dev/null; then
    echo "skipped: tumblerd, dbus-run-session or gdbus is not installed"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data/thumbnailers" "$work/data/mime/packages" "$work/files"
cp "$prefix/share/mime/packages/vistrel-light.xml" "$work/data/mime/packages/"
update-mime-database "$work/data/mime" 2>/dev/null
sed "s|^TryExec=.*|TryExec=$thumbnailer|; s|^Exec=[^ ]*|Exec=$thumbnailer|" \
    "$prefix/share/thumbnailers/qvibw.thumbnailer" >"$work/data/thumbnailers/qvibw.thumbnailer"
# The other program draws a 16 px thumbnail, so its picture is told from ours by its width.
printf '#!/bin/sh\nexec "%s" -s 16 "$2" "$3"\n' "$thumbnailer" >"$work/other.sh"
chmod +x "$work/other.sh"
cp "$sample" "$work/files/scan.ibw"

cat >"$work/ask.sh" <<'ASK'
gdbus call --session --dest org.freedesktop.thumbnails.Thumbnailer1 \
    --object-path /org/freedesktop/thumbnails/Thumbnailer1 \
    --method org.freedesktop.thumbnails.Thumbnailer1.Queue "['file://$1']" \
    "['application/x-igor-binary-wave']" normal default "uint32 0" >/dev/null
for i in $(seq 300); do
    for png in "$XDG_CACHE_HOME"/thumbnails/normal/*.png; do
        [ -s "$png" ] && { od -An -tu1 -j16 -N4 "$png" | awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4}'; exit 0; }
    done
    sleep 0.1
done
echo none
ASK

failures=0
for other in aaa-other zzz-other; do
    rm -f "$work"/data/thumbnailers/*-other.thumbnailer
    printf '[Thumbnailer Entry]\nExec=%s %%s %%i %%o\nMimeType=application/x-igor-binary-wave;\n' \
        "$work/other.sh" >"$work/data/thumbnailers/$other.thumbnailer"
    rm -rf "$work/home"
    width=$(env HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$work/data:/usr/share" \
        XDG_CACHE_HOME="$work/home/cache" timeout 60 dbus-run-session -- sh "$work/ask.sh" "$work/files/scan.ibw" \
        2>/dev/null)
    if [ "$width" = 128 ]; then
        echo "with $other.thumbnailer beside ours: our 128 px thumbnail"
    else
        echo "FAIL: with $other.thumbnailer beside ours the service made a thumbnail of width '$width'"
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ]
