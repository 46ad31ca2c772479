# shellcheck shell=bash
# Wine prefixes for Zel's Windows programs. Sourced by scripts/windows and
# scripts/check-windows-install; defines functions only.

# Runs Wine from here on in the prefix $1, quietly and without prompts for .NET and Gecko, on a
# virtual X display of its own ($2, width x height, 1280x1024 unless given; its server's
# process: ZEL_XVFB_PID), with a wine server that stays up, so that no program pays for its
# start and no helper process of Wine's holds a caller's pipes open.
zel_wine_session() {
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    zel_start_xvfb "${2:-1280x1024}"
    mkdir -p "$WINEPREFIX" # the server runs in it, before the boot fills it
    wineserver -k 2>/dev/null || true
    wineserver -w
    wineserver -p
    zel_wine_prefix
}

# Starts a virtual X server on a display it picks itself, free of any other run's, with one
# screen of $1 (width x height), and exports DISPLAY and ZEL_XVFB_PID once it takes clients.
zel_start_xvfb() {
    local display_file
    display_file="$(mktemp)"
    # Xvfb writes the display's number to the descriptor once it is ready for clients.
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    export ZEL_XVFB_PID=$! # for the caller, which ends the server
    local _
    for _ in $(seq 100); do
        [[ -s "$display_file" ]] && break
        sleep 0.1
    done
    local number
    number="$(tr -d '\n' <"$display_file")"
    rm -f "$display_file"
    [[ -n "$number" ]] || {
        echo "Xvfb did not start" >&2
        return 1
    }
    export DISPLAY=":$number"
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

# Sets the message font, which Windows' own dialogs and Qt take as the system's, to the face $1
# at $2 points, for the programs started after it (set it before zel_wine_dpi, which restarts
# them). Wine keeps it as Windows does, a LOGFONTW, with the height in pixels at 96 dpi, and
# scales it by the dpi.
zel_wine_message_font() {
    local height=$((-($2 * 96 + 36) / 72)) face
    # lfHeight as a little-endian 32-bit number; width, escapement, orientation 0; weight 400;
    # no italics, underline or strike-out; default character set and precisions; variable pitch,
    # Swiss family; then the face name in UTF-16, the rest of its 32 characters zero.
    face="$(printf '%s' "$1" | iconv -t UTF-16LE | od -An -tx1 | tr -d ' \n')"
    local logfont
    logfont="$(printf '%02x%02x%02x%02x' $((height & 255)) $(((height >> 8) & 255)) \
        $(((height >> 16) & 255)) $(((height >> 24) & 255)))"
    logfont+="000000000000000000000000900100000000000000000022$face"
    while ((${#logfont} < 184)); do
        logfont+=0
    done
    wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v MessageFont /t REG_BINARY \
        /d "$logfont" /f >/dev/null
}
