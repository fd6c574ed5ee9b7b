#!/usr/bin/env bash
# Installs what is missing, builds the tool and starts it under Wine. Without
# a display it starts Xvfb, waits for the main window, saves
# build/screenshot.png and closes the tool again.
#
#   scripts/run.sh            the converter
#   scripts/run.sh gallery    the skin gallery (build/gallery-screenshot.png)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$GK_ROOT"

case "${1:-}" in
    "") target=CoordConverter; exe="$GK_ROOT/build/mingw/app/CoordConverter.exe"; shot_name=screenshot ;;
    gallery) target=gallery; exe="$GK_ROOT/build/mingw/gallery/gallery.exe"; shot_name=gallery-screenshot ;;
    *) echo "usage: scripts/run.sh [gallery]" >&2; exit 2 ;;
esac
"$GK_ROOT/scripts/setup.sh"
gk_configure_and_build mingw "$target"

if [ -n "${DISPLAY:-}" ]; then
    exec wine "$exe"
fi

gk_start_xvfb
trap gk_stop_xvfb EXIT
wine "$exe" &
tool=$!

# Wine names the X window class after the executable.
win=
for _ in $(seq 1 200); do
    win=$(xdotool search --onlyvisible --classname "$(basename "${exe,,}")" 2>/dev/null | head -n1 || true)
    [ -n "$win" ] && break
    sleep 0.1
done
if [ -z "$win" ]; then
    echo "the main window did not appear" >&2
    exit 1
fi
# The window alone (Wine draws its frame into the same X window), once two
# captures in a row agree: the first paint is complete.
shot="$GK_ROOT/build/$shot_name.png"
capture="$GK_ROOT/build/$shot_name.tmp.png"
previous=
for _ in $(seq 1 50); do
    sleep 0.2
    import -window "$win" "$capture" 2>/dev/null || continue
    current=$(md5sum < "$capture")
    [ "$current" = "$previous" ] && break
    previous=$current
done
mv "$capture" "$shot"
echo "screenshot: build/$shot_name.png"

xdotool windowclose "$win" 2>/dev/null || true
for _ in $(seq 1 50); do
    kill -0 "$tool" 2>/dev/null || break
    sleep 0.1
done
kill "$tool" 2>/dev/null || true
wait "$tool" 2>/dev/null || true
