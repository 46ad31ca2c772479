# Wine prefixes for Zel's Windows programs. Sourced by scripts/windows and
# scripts/check-windows-install; defines functions only.

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
