#!/usr/bin/env bash
# Prepares a fresh Debian 12 machine (run as root) for building and testing:
# toolchains, Wine, Xvfb, test and benchmark libraries, the CJK font, a MinGW
# build of libjpeg-turbo from Debian's own source package, and this
# checkout's own warm Wine prefix (build/wine).
# Idempotent: every step checks what is already there.
#
#   scripts/setup.sh              installs and prepares what is missing
#   scripts/setup.sh --packages   prints the Debian packages it installs
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
here=$GK_ROOT
cache="$here/build/deps"
export DEBIAN_FRONTEND=noninteractive

# Every package that the build, the tests, run.sh and the benchmarks use.
# They are installed without their recommendations, so nothing may rely on
# one: scripts/check-fresh.sh compares what the build and the scripts use
# with this list and its dependencies.
packages=(
    build-essential cmake ninja-build pkg-config git ca-certificates
    g++-mingw-w64-x86-64 libz-mingw-w64-dev nasm
    wine wine64 fonts-wine xvfb x11-utils xdotool imagemagick
    googletest libbenchmark-dev libproj-dev proj-bin libcli11-dev
    fonts-wqy-microhei dpkg-dev time bc
    clang libclang-rt-14-dev valgrind zlib1g-dev libjpeg62-turbo-dev
    zip
)
if [ "${1:-}" = --packages ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

log() { printf '[setup] %s\n' "$*" >&2; }
fail() { printf '[setup] FAILED: %s\n' "$*" >&2; exit 1; }

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Runs a step with its output in a log file; on failure says which step
# failed and shows the end of its log.
step() {  # log-file description command...
    local logfile=$1 what=$2; shift 2
    mkdir -p "$(dirname "$logfile")"
    if ! "$@" >"$logfile" 2>&1; then
        tail -n 40 "$logfile" >&2
        fail "$what (full output: $logfile)"
    fi
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    log "installing: ${missing[*]}"
    as_root apt-get update -q || fail "apt-get update"
    as_root apt-get install -y -q --no-install-recommends "${missing[@]}" || fail "apt-get install ${missing[*]}"
fi

# libjpeg-turbo for the Windows build, from Debian's source package, built once.
jpeg_prefix="$cache/libjpeg-turbo-mingw"
if [ ! -f "$jpeg_prefix/lib/libjpeg.a" ]; then
    src_list=/etc/apt/sources.list.d/deb-src-bookworm.sources
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
        log "adding a deb-src entry for the configured Debian mirror"
        mirror=$(grep -h '^URIs:' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1 | awk '{print $2}' || true)
        [ -n "$mirror" ] || mirror=$(grep -h '^deb ' /etc/apt/sources.list 2>/dev/null | head -n1 | awk '{print $2}' || true)
        [ -n "$mirror" ] || mirror=http://deb.debian.org/debian
        as_root tee "$src_list" >/dev/null <<EOF
Types: deb-src
URIs: $mirror
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
        as_root apt-get update -q || fail "apt-get update after adding $src_list"
    fi
    work="$cache/libjpeg-turbo-src"
    logs="$cache/logs"
    rm -rf "$work" && mkdir -p "$work"
    log "fetching Debian's libjpeg-turbo source package"
    step "$logs/jpeg-source.log" "apt-get source libjpeg-turbo" \
        bash -c 'cd "$1" && apt-get source -q --download-only libjpeg-turbo' _ "$work"
    dsc=("$work"/*.dsc)
    [ -f "${dsc[0]}" ] || fail "apt-get source libjpeg-turbo left no .dsc file in $work"
    step "$logs/jpeg-unpack.log" "unpacking ${dsc[0]}" dpkg-source -x "${dsc[0]}" "$work/src"
    log "building libjpeg-turbo with MinGW-w64"
    step "$logs/jpeg-configure.log" "configuring libjpeg-turbo for MinGW-w64" \
        cmake -S "$work/src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$jpeg_prefix" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
        -DWITH_JPEG8=OFF -DREQUIRE_SIMD=OFF
    step "$logs/jpeg-build.log" "building libjpeg-turbo for MinGW-w64" cmake --build "$work/build"
    step "$logs/jpeg-install.log" "installing libjpeg-turbo into $jpeg_prefix" cmake --install "$work/build"
    rm -rf "$work"
fi

# The first Wine start creates the prefix (tens of seconds); do it here, once.
prefix=$WINEPREFIX
if [ ! -f "$prefix/system.reg" ]; then
    log "creating the Wine prefix $prefix"
    mkdir -p "$(dirname "$prefix")"
    step "$cache/logs/wineboot.log" "creating the Wine prefix $prefix (wineboot -i)" wineboot -i
    step "$cache/logs/wineserver.log" "waiting for Wine to finish setting up $prefix" wineserver -w
    [ -f "$prefix/system.reg" ] || fail "wineboot ended without creating $prefix/system.reg"
fi

# The prefix as the tool's window needs it, headless under Xvfb without a
# window manager. Every step looks at the prefix first.

# True when a .reg file of the prefix has the line in the given key.
reg_has() {  # file key line
    REG_KEY="[$2]" REG_LINE="$3" awk '
        index($0, ENVIRON["REG_KEY"]) == 1 { inside = 1; next }
        /^\[/ { inside = 0 }
        inside && $0 == ENVIRON["REG_LINE"] { found = 1 }
        END { exit !found }' "$prefix/$1"
}

# Writes one registry value into the prefix.
reg_add() {  # key value type data
    step "$cache/logs/wine-reg.log" "writing $1\\$2 into the Wine prefix" \
        wine reg add "$1" /v "$2" /t "$3" /d "$4" /f
}

# Without a window manager, Wine must draw the title bar and frame itself.
if ! reg_has user.reg 'Software\\Wine\\X11 Driver' '"Decorated"="N"'; then
    log "Wine draws window frames itself"
    reg_add 'HKCU\Software\Wine\X11 Driver' Decorated REG_SZ N
fi

# Wine's own fonts (Marlett draws the caption buttons, Tahoma the caption):
# Debian's wine does not look in its data folder for them, so they go into
# the prefix's font folder.
fonts=()
for dir in /usr/share/wine/fonts /usr/lib/wine/fonts /opt/wine-stable/share/wine/fonts; do
    for font in "$dir"/*; do   # no match leaves the pattern itself: not a file
        [ -f "$font" ] && fonts+=("$font")
    done
    [ ${#fonts[@]} -gt 0 ] && break
done
[ ${#fonts[@]} -gt 0 ] || fail "Wine's own fonts are missing (package fonts-wine, /usr/share/wine/fonts)"
for font in "${fonts[@]}"; do
    target="$prefix/drive_c/windows/Fonts/$(basename "$font")"
    [ -e "$target" ] || cp "$font" "$target" || fail "copying $font into the Wine prefix"
done

# The caption font (Tahoma, bold) links to the CJK face for the Chinese
# window title; the bold face is a font of its own and needs its own link.
link_font() {  # face, then the links as REG_MULTI_SZ text
    local line="\"$1\"=str(7):\"$2\\0\""
    if ! reg_has system.reg 'Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink' "$line"; then
        log "linking $1 to WenQuanYi Micro Hei"
        reg_add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' "$1" REG_MULTI_SZ "$2"
    fi
}
link_font Tahoma 'wqy-microhei.ttc,WenQuanYi Micro Hei\0MSGOTHIC.TTC,MS UI Gothic\0MINGLIU.TTC,PMingLiU\0SIMSUN.TTC,SimSun\0MSYH.TTC,Microsoft YaHei UI'
link_font 'Tahoma Bold' 'wqy-microhei.ttc,WenQuanYi Micro Hei'

# The window tests, the start-up and button-fade benchmarks and the converter
# probe of the release checks open and close many windows: unmanaged, Wine
# does not wait for a window manager that is not there when one is hidden
# (the probe's two runs take 0.3-0.7 s each instead of 2.5 s).
for exe in toolkit_tests.exe window_tests.exe startup_probe.exe skin_controls_tests.exe skinned_controls_tests.exe \
           converter_probe.exe button_fade_timing.exe skin_adapters_tests.exe \
           gallery_tests.exe \
           skin_forms_tests.exe skin_forms_golden.exe window_golden.exe; do
    if ! reg_has user.reg "Software\\\\Wine\\\\AppDefaults\\\\$exe\\\\X11 Driver" '"Managed"="N"'; then
        reg_add "HKCU\\Software\\Wine\\AppDefaults\\$exe\\X11 Driver" Managed REG_SZ N
    fi
done
log "ready"
