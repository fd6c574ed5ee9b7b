#!/usr/bin/env bash
# Prepares a fresh Debian 12 machine (run as root) for building and testing:
# toolchains, Wine, Xvfb, test and benchmark libraries, the CJK font, a MinGW
# build of libjpeg-turbo from Debian's own source package, and a warm Wine prefix.
# Idempotent: every step checks what is already there.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache="$here/build/deps"
export DEBIAN_FRONTEND=noninteractive
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

log() { printf '[setup] %s\n' "$*" >&2; }

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

packages=(
    build-essential cmake ninja-build pkg-config git ca-certificates
    g++-mingw-w64-x86-64 libz-mingw-w64-dev nasm
    wine wine64 fonts-wine xvfb x11-utils xdotool imagemagick
    googletest libbenchmark-dev libproj-dev proj-bin libcli11-dev
    fonts-wqy-microhei dpkg-dev
    clang libclang-rt-14-dev valgrind zlib1g-dev libjpeg62-turbo-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    log "installing: ${missing[*]}"
    as_root apt-get update -q
    as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# libjpeg-turbo for the Windows build, from Debian's source package, built once.
jpeg_prefix="$cache/libjpeg-turbo-mingw"
if [ ! -f "$jpeg_prefix/lib/libjpeg.a" ]; then
    src_list=/etc/apt/sources.list.d/deb-src-bookworm.sources
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
        log "adding a deb-src entry for the configured Debian mirror"
        mirror=$(grep -h '^URIs:' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1 | awk '{print $2}')
        [ -n "$mirror" ] || mirror=$(grep -h '^deb ' /etc/apt/sources.list 2>/dev/null | head -n1 | awk '{print $2}')
        [ -n "$mirror" ] || mirror=http://deb.debian.org/debian
        as_root tee "$src_list" >/dev/null <<EOF
Types: deb-src
URIs: $mirror
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
        as_root apt-get update -q
    fi
    work="$cache/libjpeg-turbo-src"
    rm -rf "$work" && mkdir -p "$work"
    log "fetching Debian's libjpeg-turbo source package"
    (cd "$work" && apt-get source -q --download-only libjpeg-turbo >/dev/null 2>&1 && dpkg-source -x ./*.dsc src >/dev/null)
    log "building libjpeg-turbo with MinGW-w64"
    cmake -S "$work/src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$jpeg_prefix" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
        -DWITH_JPEG8=OFF -DREQUIRE_SIMD=OFF >"$work/configure.log" 2>&1 \
        || { cat "$work/configure.log" >&2; exit 1; }
    cmake --build "$work/build" >"$work/build.log" 2>&1 || { tail -50 "$work/build.log" >&2; exit 1; }
    cmake --install "$work/build" >/dev/null
    rm -rf "$work"
fi

# The first Wine start creates the prefix (tens of seconds); do it here, once.
if [ ! -f "${WINEPREFIX:-$HOME/.wine}/system.reg" ]; then
    log "creating the Wine prefix"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
fi

# The prefix as the tool's window needs it, headless under Xvfb without a
# window manager. Every step looks at the prefix first.
prefix=${WINEPREFIX:-$HOME/.wine}

# True when a .reg file of the prefix has the line in the given key.
reg_has() {  # file key line
    REG_KEY="[$2]" REG_LINE="$3" awk '
        index($0, ENVIRON["REG_KEY"]) == 1 { inside = 1; next }
        /^\[/ { inside = 0 }
        inside && $0 == ENVIRON["REG_LINE"] { found = 1 }
        END { exit !found }' "$prefix/$1"
}

# Without a window manager, Wine must draw the title bar and frame itself.
if ! reg_has user.reg 'Software\\Wine\\X11 Driver' '"Decorated"="N"'; then
    log "Wine draws window frames itself"
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
fi

# Wine's own fonts (Marlett draws the caption buttons, Tahoma the caption):
# Debian's wine does not look in its data folder for them, so they go into
# the prefix's font folder.
for dir in /usr/share/wine/fonts /usr/lib/wine/fonts /opt/wine-stable/share/wine/fonts; do
    [ -d "$dir" ] || continue
    for font in "$dir"/*; do
        [ -e "$prefix/drive_c/windows/Fonts/$(basename "$font")" ] || cp "$font" "$prefix/drive_c/windows/Fonts/"
    done
    break
done

# The caption font (Tahoma, bold) links to the CJK face for the Chinese
# window title; the bold face is a font of its own and needs its own link.
link_font() {  # face, then the links as REG_MULTI_SZ text
    local line="\"$1\"=str(7):\"$2\\0\""
    if ! reg_has system.reg 'Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink' "$line"; then
        log "linking $1 to WenQuanYi Micro Hei"
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$1" \
            /t REG_MULTI_SZ /d "$2" /f >/dev/null 2>&1
    fi
}
link_font Tahoma 'wqy-microhei.ttc,WenQuanYi Micro Hei\0MSGOTHIC.TTC,MS UI Gothic\0MINGLIU.TTC,PMingLiU\0SIMSUN.TTC,SimSun\0MSYH.TTC,Microsoft YaHei UI'
link_font 'Tahoma Bold' 'wqy-microhei.ttc,WenQuanYi Micro Hei'

# The window tests and the start-up benchmark open and close many windows:
# unmanaged, Wine does not wait for a window manager that is not there when
# one is hidden.
for exe in toolkit_tests.exe window_tests.exe startup_probe.exe; do
    if ! reg_has user.reg "Software\\\\Wine\\\\AppDefaults\\\\$exe\\\\X11 Driver" '"Managed"="N"'; then
        wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe\\X11 Driver" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    fi
done
log "ready"
