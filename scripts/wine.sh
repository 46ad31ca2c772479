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
    ZEL_XVFB_PID=$!
    mkdir -p "$WINEPREFIX" # the server runs in it, before the boot fills it
    wineserver -k 2>/dev/null || true
    wineserver -w
    wineserver -p
    zel_wine_prefix
}

# Boots the prefix WINEPREFIX names. Start it with DISPLAY already set: Wine makes its desktop
# then, and without a display no window of that prefix shows later. Windows' dialog font becomes
# Liberation Sans (Debian's fonts-liberation): Qt lists none of Wine's own fonts here and would
# otherwise fall back to a math font, whose tall lines leave the text of every edit unseen.
zel_wine_prefix() {
    wineboot -i >/dev/null 2>&1
    local font
    for font in "MS Shell Dlg" "MS Shell Dlg 2"; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
            /v "$font" /d "Liberation Sans" /f >/dev/null
    done
}
