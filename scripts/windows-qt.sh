# shellcheck shell=bash
# Qt for Windows, cross-built once from Debian's own qtbase source and kept in a cache folder,
# with its notices and its source as built. Sourced by scripts/windows, after common.sh.
#
# Sourcing it builds and fetches nothing: it asks dpkg which version of the host Qt
# (qt6-base-dev) is installed and from that sets ZEL_QT_DEBIAN_VERSION, ZEL_QT_VERSION and the
# cache folder ZEL_WINDOWS_QT (unless the caller names one), besides the toolchain file, Qt's
# configure options and patches, and the functions below. Source it again once the host Qt is
# installed: before, the versions are empty and no cache matches.

# The host Qt's version: the Windows Qt is built from the very same Debian source package, so
# that Debian's moc, rcc and uic (the host tools) match it.
ZEL_QT_DEBIAN_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)"
ZEL_QT_VERSION="${ZEL_QT_DEBIAN_VERSION%%+*}"
# The folder is named after that version, known only once the host Qt is installed: scripts/windows
# sources this file again then, and the folder follows unless ZEL_WINDOWS_QT named one.
ZEL_WINDOWS_QT_GIVEN="${ZEL_WINDOWS_QT_GIVEN-${ZEL_WINDOWS_QT:-}}"
ZEL_WINDOWS_QT="${ZEL_WINDOWS_QT_GIVEN:-${XDG_CACHE_HOME:-$HOME/.cache}/zel/qt-$ZEL_QT_VERSION-mingw-w64}"
ZEL_WINDOWS_TOOLCHAIN="$ZEL_ROOT/cmake/mingw-w64-x86_64.cmake"

# Only what Zel uses: Core, Gui, Widgets, Network, Test, the windows and offscreen platform
# plugins. FreeType is bundled because the offscreen plugin is built only with it; the wintab
# sources (tablet events) are not in Debian's source.
zel_windows_qt_configure_options=(
    -release -shared -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-ssl -no-fontconfig
    -qt-freetype -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -qt-harfbuzz -qt-doubleconversion
    -no-feature-sql -no-feature-printsupport -no-feature-concurrent -no-feature-xml
    -no-feature-vulkan -no-feature-zstd -no-feature-brotli -no-feature-direct2d
    -no-feature-tuiotouch -no-feature-androiddeployqt -no-feature-tabletevent
)
zel_windows_qt_patches=("$ZEL_ROOT"/packaging/windows/qtbase-*.patch)
# The source the cached Qt was built from, as it was built: scripts/windows publishes it beside
# the installer, and the notices name it.
ZEL_WINDOWS_QT_SOURCE="$ZEL_WINDOWS_QT/source/qtbase-source.tar.xz"

# What the cached Qt was built from: a change of version, options, patch or toolchain builds
# it again.
zel_windows_qt_recipe() {
    echo "qt6-base $ZEL_QT_DEBIAN_VERSION"
    echo "${zel_windows_qt_configure_options[*]}"
    cat "${zel_windows_qt_patches[@]}" "$ZEL_WINDOWS_TOOLCHAIN"
}

zel_windows_qt_is_cached() {
    [[ -n "$ZEL_QT_VERSION" && -f "$ZEL_WINDOWS_QT/zel-recipe.txt" ]] &&
        cmp -s "$ZEL_WINDOWS_QT/zel-recipe.txt" <(zel_windows_qt_recipe)
}

# Adds the deb-src entry `apt-get source` needs, beside Debian's own deb entries.
zel_enable_debian_sources() {
    local sources=/etc/apt/sources.list.d/debian.sources
    local added=/etc/apt/sources.list.d/zel-deb-src.sources
    if apt-get source --print-uris qt6-base >/dev/null 2>&1; then
        return 0
    fi
    [[ -f "$sources" ]] || {
        echo "No $sources to derive a deb-src entry from; add one for qt6-base by hand." >&2
        return 1
    }
    sed 's/^Types: deb$/Types: deb-src/' "$sources" | zel_sudo tee "$added" >/dev/null
    zel_sudo apt-get update
}

# Fetches the source of the host Qt's Debian package into the folder $1 and prints the folder
# it unpacked to.
zel_fetch_qt_source() {
    zel_enable_debian_sources >&2
    (cd "$1" && apt-get source -q "qt6-base=$ZEL_QT_DEBIAN_VERSION" >/dev/null)
    find "$1" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1
}

# Writes Qt's notices (its licence, the third-party parts of what Zel ships) from the source $1
# beside the cached Qt, where the Windows package's THIRD-PARTY-NOTICES.txt takes them from.
zel_write_qt_notices() {
    mkdir -p "$ZEL_WINDOWS_QT/notices"
    cmake -DQT_SOURCE="$1" -DQT_VERSION="$ZEL_QT_VERSION" \
        -DOUTPUT="$ZEL_WINDOWS_QT/notices/qtbase.txt" \
        -P "$ZEL_ROOT/packaging/windows/QtNotices.cmake"
}

# Sets zel_qt_configure_arguments to the arguments of Qt's configure for a Qt installed into $1
# and built with the toolchain file $2.
zel_set_qt_configure_arguments() {
    zel_qt_configure_arguments=(-prefix "$1" -xplatform win32-g++ -qt-host-path /usr
        "${zel_windows_qt_configure_options[@]}" -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$2"
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
}

# Writes the Qt source $1, with Zel's patches applied, as the archive ZEL_WINDOWS_QT_SOURCE:
# the tree, and in its folder BUILT-FOR-ZEL the patches, the toolchain file and how it was
# configured and built. What the LGPL asks of whoever ships Qt's DLLs, for as long as they ship.
zel_write_qt_source() {
    local notes="$1/BUILT-FOR-ZEL" patch
    rm -rf "$notes"
    mkdir -p "$notes" "$(dirname "$ZEL_WINDOWS_QT_SOURCE")"
    cp "${zel_windows_qt_patches[@]}" "$ZEL_WINDOWS_TOOLCHAIN" "$notes/"
    {
        echo "Qt $ZEL_QT_VERSION for Windows, as Zel's Windows package ships it (Qt6Core.dll,"
        echo "Qt6Gui.dll, Qt6Network.dll, Qt6Widgets.dll and the plug-ins), was built from this"
        echo "folder: the source of Debian's qt6-base package, version $ZEL_QT_DEBIAN_VERSION"
        echo "(apt-get source qt6-base=$ZEL_QT_DEBIAN_VERSION), with these changes applied (they"
        echo "are applied in this folder already):"
        echo
        for patch in "${zel_windows_qt_patches[@]}"; do
            echo "    BUILT-FOR-ZEL/$(basename "$patch")"
        done
        echo
        echo "It was built on Debian 12 with MinGW-w64 (g++-mingw-w64-x86-64-posix) and Debian's"
        echo "own Qt $ZEL_QT_VERSION as the host Qt, in an empty folder beside this one:"
        echo
        zel_set_qt_configure_arguments "<install folder>" \
            "../$(basename "$1")/BUILT-FOR-ZEL/$(basename "$ZEL_WINDOWS_TOOLCHAIN")"
        echo "    ../$(basename "$1")/configure ${zel_qt_configure_arguments[*]}"
        echo "    cmake --build . && cmake --install ."
    } >"$notes/README.txt"
    tar -C "$(dirname "$1")" --sort=name --owner=0 --group=0 --numeric-owner -cf - \
        "$(basename "$1")" | xz -T2 -6 >"$ZEL_WINDOWS_QT_SOURCE.new"
    mv "$ZEL_WINDOWS_QT_SOURCE.new" "$ZEL_WINDOWS_QT_SOURCE"
}

# Fetches the Qt source into the folder $1 with Zel's patches applied, and prints its folder.
zel_patched_qt_source() {
    local source patch
    source="$(zel_fetch_qt_source "$1")"
    for patch in "${zel_windows_qt_patches[@]}"; do
        patch -d "$source" -p1 --forward >&2 <"$patch"
    done
    echo "$source"
}

# A Qt cached before its notices or its source archive were kept gets them from its source once.
zel_windows_qt_source_files() {
    [[ -f "$ZEL_WINDOWS_QT/notices/qtbase.txt" && -f "$ZEL_WINDOWS_QT_SOURCE" ]] && return 0
    zel_step "Qt's notices and its source as built, from Debian's source"
    local work source
    work="$(mktemp -d "${TMPDIR:-/tmp}/zel-windows-qt.XXXXXX")"
    source="$(zel_patched_qt_source "$work")"
    zel_write_qt_notices "$source"
    zel_write_qt_source "$source"
    rm -rf "$work"
}

zel_build_windows_qt() {
    if zel_windows_qt_is_cached; then
        echo "Qt $ZEL_QT_VERSION for Windows: cached in $ZEL_WINDOWS_QT"
        return 0
    fi
    zel_step "Qt $ZEL_QT_VERSION for Windows, built once into $ZEL_WINDOWS_QT (about 35 minutes on 2 cores)"
    local started=$SECONDS work source
    work="$(mktemp -d "${TMPDIR:-/tmp}/zel-windows-qt.XXXXXX")"
    source="$(zel_patched_qt_source "$work")"
    rm -rf "$ZEL_WINDOWS_QT"
    mkdir -p "$work/build"
    zel_set_qt_configure_arguments "$ZEL_WINDOWS_QT" "$ZEL_WINDOWS_TOOLCHAIN"
    (cd "$work/build" && "$source/configure" "${zel_qt_configure_arguments[@]}")
    cmake --build "$work/build" --parallel "$(nproc)"
    cmake --install "$work/build"
    zel_write_qt_notices "$source"
    zel_write_qt_source "$source"
    zel_windows_qt_recipe >"$ZEL_WINDOWS_QT/zel-recipe.txt"
    rm -rf "$work"
    local minutes=$(((SECONDS - started + 59) / 60))
    echo "Qt $ZEL_QT_VERSION for Windows: built in $minutes minutes," \
        "$(du -sh "$ZEL_WINDOWS_QT" | cut -f1) in $ZEL_WINDOWS_QT"
}

# Qt's translations of its own texts are data, the same on every platform: Debian's, put where
# the Windows Qt keeps its own.
zel_windows_qt_translations() {
    mkdir -p "$ZEL_WINDOWS_QT/translations"
    cp -u /usr/share/qt6/translations/qtbase_*.qm "$ZEL_WINDOWS_QT/translations/"
}
