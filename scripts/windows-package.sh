# shellcheck shell=bash
# What the Windows package must hold, checked on every run of scripts/windows. Sourced by it,
# after signing.sh (for zel_pe_files) and windows-qt.sh (for ZEL_WINDOWS_QT); defines functions
# and tables only.

# Fails unless every program in the folder $1 and below asks for what Windows offers a program
# against attacks (DllCharacteristics): address-space randomisation (dynamic base, 0x0040) with
# 64-bit entropy (0x0020) and no code run from data pages (NX, 0x0100); the programs (.exe)
# also terminal-server awareness (0x8000), for which Windows reads only a process's .exe (MinGW's
# linker leaves it out of DLLs, and a DLL that had it would change nothing).
zel_check_pe_flags() {
    local file header characteristics flags wanted count=0
    while IFS= read -r file; do
        header="$(x86_64-w64-mingw32-objdump -p "$file")"
        characteristics="$(sed -n 's/^Characteristics[[:space:]]*0x\([0-9a-fA-F]*\)$/\1/p' <<<"$header")"
        flags="$(sed -n 's/^DllCharacteristics[[:space:]]*\([0-9a-fA-F]*\)$/\1/p' <<<"$header")"
        wanted=0x8160
        if (((0x$characteristics & 0x2000) != 0)); then # IMAGE_FILE_DLL
            wanted=0x0160
        fi
        if [[ -z "$flags" ]] || (((0x$flags & wanted) != wanted)); then
            echo "$file: DllCharacteristics ${flags:-missing}, not all of $wanted" >&2
            return 1
        fi
        count=$((count + 1))
    done < <(zel_pe_files "$1")
    echo "flags: all $count programs, DLLs and plug-ins of $2 (0x8160 and 0x0160)"
}

# The licence text each file the package ships needs in THIRD-PARTY-NOTICES.txt, by the file's
# name: a line of that licence. Every program and DLL also carries the MinGW-w64 runtime's start-up
# code, so every one needs that runtime's licence (zel_mingw_runtime_licence).
zel_licence_of_file=(
    "Qt6*.dll|GNU LESSER GENERAL PUBLIC LICENSE"
    "platforms/*.dll|GNU LESSER GENERAL PUBLIC LICENSE"
    "styles/*.dll|GNU LESSER GENERAL PUBLIC LICENSE"
    "libstdc++-6.dll|GCC RUNTIME LIBRARY EXCEPTION"
    "libgcc_s_seh-1.dll|GCC RUNTIME LIBRARY EXCEPTION"
    "libwinpthread-1.dll|Files: mingw-w64-libraries/winpthreads/*"
    "Zel.exe|"
    "zel-device.exe|"
)
zel_mingw_runtime_licence="Files: mingw-w64-crt/crt/*"
# The libraries Qt builds into its DLLs from its own copy: the name, the Qt feature that uses it
# (none: always), the feature that would take it from the system instead, and a line of its
# licence.
zel_qt_bundled_libraries=(
    "FreeType|freetype|system_freetype|The FreeType Project LICENSE"
    'HarfBuzz|harfbuzz|system_harfbuzz|HarfBuzz is licensed under the so-called "Old MIT" license.'
    "libpng|png|system_png|PNG Reference Library License version 2"
    "zlib||system_zlib|Gailly and Mark Adler; it does not include third-party code."
    "PCRE2|regularexpression|system_pcre2|PCRE2 LICENCE"
    "double-conversion|doubleconversion|system_doubleconversion|Copyright 2006-2011, the V8 project authors."
    "md4c|textmarkdownreader|system_textmarkdownreader|Copyright © 2016-2020 Martin Mitáš"
)

# Succeeds when the Qt for Windows in ZEL_WINDOWS_QT was built with the feature $1.
zel_qt_has_feature() {
    grep -rqx "#define QT_FEATURE_$1 1" "$ZEL_WINDOWS_QT"/include/Qt{Core,Gui,Network,Widgets}
}

# Fails unless the unpacked package in the folder $1 has the licence of every library whose code
# its programs and DLLs carry in its THIRD-PARTY-NOTICES.txt (and Zel's own in LICENSE.txt), Qt's
# bundled libraries as far as the Qt it ships was built with them, and names the archive $2 of
# Qt's source as built.
zel_check_notices() {
    local notices="$1/THIRD-PARTY-NOTICES.txt" file name entry line known count=0
    grep -q "GNU GENERAL PUBLIC LICENSE" "$1/LICENSE.txt" || {
        echo "$1/LICENSE.txt is not Zel's licence" >&2
        return 1
    }
    while IFS= read -r file; do
        name="${file#"$1"/}"
        known=false
        for entry in "${zel_licence_of_file[@]}"; do
            # shellcheck disable=SC2053 # the table's names are patterns
            if [[ "$name" == ${entry%%|*} ]]; then
                line="${entry#*|}"
                known=true
                break
            fi
        done
        $known || {
            echo "No licence is known for $name: add it to THIRD-PARTY-NOTICES.txt and the table" >&2
            return 1
        }
        for line in "$line" "$zel_mingw_runtime_licence"; do
            [[ -z "$line" ]] || grep -qF -- "$line" "$notices" || {
                echo "THIRD-PARTY-NOTICES.txt lacks the licence of $name: \"$line\"" >&2
                return 1
            }
        done
        count=$((count + 1))
    done < <(zel_pe_files "$1")
    local used system bundled=()
    for entry in "${zel_qt_bundled_libraries[@]}"; do
        IFS='|' read -r name used system line <<<"$entry"
        if [[ -n "$used" ]] && ! zel_qt_has_feature "$used"; then
            continue
        fi
        zel_qt_has_feature "$system" && continue
        grep -qF -- "$line" "$notices" || {
            echo "THIRD-PARTY-NOTICES.txt lacks the licence of $name, which Qt's DLLs carry" >&2
            return 1
        }
        bundled+=("$name")
    done
    grep -qF "$2" "$notices" || {
        echo "THIRD-PARTY-NOTICES.txt does not name Qt's source, $2" >&2
        return 1
    }
    echo "notices: the licences of all $count programs and DLLs, of Qt's bundled" \
        "${bundled[*]}, and Qt's source $2"
}

# Fails unless the icon $1 holds a frame for each size Windows draws it at, from 100 to 200 %
# (small icons 16 to 32 px, large ones 32 to 64, Explorer's 256), each with an alpha channel.
zel_check_icon() {
    local frames size
    frames="$(identify -format '%w %h %A\n' "$1")"
    for size in 16 20 24 32 40 48 64 256; do
        grep -qxE "$size $size (True|Blend)" <<<"$frames" || {
            echo "$1 has no ${size} x $size frame with alpha; it has:" >&2
            echo "$frames" >&2
            return 1
        }
    done
    echo "icon: frames of $(awk '{print $1}' <<<"$frames" | paste -sd ' ') px, with alpha"
}

# Unpacks what the installer $1 holds into the folder $2 as 7-Zip reads it: the files it
# installs, the uninstaller it writes, and the NSIS plug-ins it and the uninstaller unpack and
# load while they run (in $PLUGINSDIR and uninstaller/$PLUGINSDIR).
zel_unpack_installer() {
    rm -rf "$2"
    7zz x -y -o"$2" "$1" >/dev/null
    7zz x -y -o"$2/uninstaller" "$2/Uninstall.exe" >/dev/null
}
