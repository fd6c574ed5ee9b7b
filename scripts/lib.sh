# Shared by the scripts: Wine kept quiet and in this checkout's own prefix
# (build/wine, prepared by scripts/setup.sh), so that nothing of ours is
# written into the user's ~/.wine; a private Xvfb; the CMake steps.
GK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$GK_ROOT/build/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
GK_XVFB_PID=

# Starts a private Xvfb and exports DISPLAY. Xvfb picks the display number
# itself (-displayfd): it alone can see every display in use, also those of
# another root file system on this machine (X's abstract sockets are shared).
gk_start_xvfb() {
    local out i
    out=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$out" >/dev/null 2>&1 &
    GK_XVFB_PID=$!
    for i in $(seq 1 200); do
        if [ -s "$out" ]; then
            export DISPLAY=":$(head -n1 "$out")"
            rm -f "$out"
            xdpyinfo >/dev/null 2>&1 && return 0
            break
        fi
        kill -0 "$GK_XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    rm -f "$out"
    echo "Xvfb did not start" >&2
    return 1
}

gk_stop_xvfb() {
    if [ -n "$GK_XVFB_PID" ]; then
        kill "$GK_XVFB_PID" 2>/dev/null || true
        wait "$GK_XVFB_PID" 2>/dev/null || true
        GK_XVFB_PID=
    fi
}

gk_configure_and_build() {  # preset [targets...]
    local preset=$1; shift
    if [ ! -f "$GK_ROOT/build/$preset/build.ninja" ]; then
        cmake --preset "$preset" -S "$GK_ROOT" >/dev/null
    fi
    if [ $# -gt 0 ]; then
        cmake --build --preset "$preset" --target "$@"
    else
        cmake --build --preset "$preset"
    fi
}
