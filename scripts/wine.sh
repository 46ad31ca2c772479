# shellcheck shell=bash
# Wine prefixes for Zel's Windows programs. Sourced by scripts/windows and
# scripts/check-windows-install; defines functions only.

# Runs Wine from here on in the prefix $1, quietly and without prompts for .NET and Gecko, on a
# virtual X display of its own (its server's process: ZEL_XVFB_PID), with a wine server that
# stays up, so that no program pays for its start and no helper process of Wine's holds a
# caller's pipes open.
zel_wine_session() {
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export DISPLAY=":$((100 + RANDOM % 200))"
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    export ZEL_XVFB_PID=$! # for the caller, which ends the server
    mkdir -p "$WINEPREFIX" # the server runs in it, before the boot fills it
    wineserver -k 2>/dev/null || true
    wineserver -w
    wineserver -p
    zel_wine_prefix
}

# Boots the prefix WINEPREFIX names. Start it with DISPLAY already set: Wine makes its desktop
# then, and without a display no window of that prefix shows later. With Debian's fonts-wine,
# Wine lists its own fonts as Windows does: "MS Sans Serif" a bitmap font, Tahoma the system's.
zel_wine_prefix() {
    wineboot -i >/dev/null 2>&1
}

# Sets the prefix's display scaling to $1 dpi (96 is 100 %, 144 is 150 %) for the programs
# started after it: the wine server starts again to read it.
zel_wine_dpi() {
    local key
    for key in 'HKCU\Control Panel\Desktop' \
        'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
        wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    done
    wineserver -k 2>/dev/null || true
    wineserver -w
    wineserver -p
    # Wine's services start now, not under the next caller, whose pipes they would hold open.
    wineboot >/dev/null 2>&1
}
