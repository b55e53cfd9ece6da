# Sourced by the test and demo commands: the Wine environment of one build folder.
# Usage: source tools/wine-env.sh BUILD_DIR PREFIX_NAME

velan_wine_bits() {
    # 32-bit Wine needs the kernel to run 32-bit Linux programs; some hosts have that disabled.
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo 32; else echo 64; fi
}

VELAN_BITS=${VELAN_BITS:-$(velan_wine_bits)}
# VELAN_BUILD is the build folder whose programs run on this host, VELAN_DIST its program folder.
if [ "$VELAN_BITS" = 32 ]; then
    export WINE=/usr/lib/wine/wine WINEARCH=win32
    VELAN_TOOLCHAIN=cmake/mingw-i686.cmake
    VELAN_BUILD=build
else
    export WINE=/usr/lib/wine/wine64 WINEARCH=win64
    VELAN_TOOLCHAIN=cmake/mingw-x86_64.cmake
    VELAN_BUILD=build/win64
fi
VELAN_DIST=$VELAN_BUILD/dist
export WINEPREFIX="$(realpath -m "$1/$2-win$VELAN_BITS")"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINESERVER=/usr/lib/wine/wineserver

velan_start_display() {
    # Starts Xvfb on a free display when there is none; VELAN_XVFB_PID remembers it.
    [ -n "${DISPLAY:-}" ] && return 0
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    VELAN_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
    echo "Xvfb did not start on :$n" >&2
    return 1
}

velan_prepare_prefix() {
    # A private prefix: Wine's own fonts (for 6x13 dialog units), no window-manager waits,
    # and .txt files opening in Notepad.
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$WINE" wineboot --init >/dev/null 2>&1
        "$WINESERVER" -w
    fi
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # Exits with 2 when a server for this prefix is already running, which is as good.
    "$WINESERVER" -p || true
    "$WINE" cmd /c exit >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$WINE" reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
}

velan_mount_readonly_game() {
    # A game folder on a read-only file system for the fault tests, where the host lets us
    # mount one; VELAN_READONLY_GAME names it. Without it those tests say they were skipped.
    local root=$1
    velan_unmount_readonly_game "$root"
    mkdir -p "$root/prepared" "$root/mounted"
    printf original > "$root/prepared/strings.dat"
    printf untouched > "$root/prepared/keep.txt"
    if mount --bind -o ro "$root/prepared" "$root/mounted" 2>/dev/null && ! touch "$root/mounted/probe" 2>/dev/null; then
        export VELAN_READONLY_GAME="$(realpath "$root/mounted")"
        VELAN_READONLY_MOUNT=$VELAN_READONLY_GAME
    else
        echo "note: no read-only mount here; the read-only game folder test will be skipped"
    fi
}

velan_unmount_readonly_game() {
    if mountpoint -q "$1/mounted" 2>/dev/null; then umount "$1/mounted"; fi
}

velan_stop() {
    if [ -n "${VELAN_READONLY_MOUNT:-}" ]; then umount "$VELAN_READONLY_MOUNT" 2>/dev/null || true; fi
    "$WINESERVER" -k >/dev/null 2>&1 || true
    if [ -n "${VELAN_XVFB_PID:-}" ]; then kill "$VELAN_XVFB_PID" 2>/dev/null || true; fi
}
