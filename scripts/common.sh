# Shared by scripts/test and scripts/demo: Debian packages, configure and build.
# Source it; it defines functions only.

ZEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# What building Zel and running its tests needs on Debian 12: the translation tools (lupdate,
# lrelease and their CMake functions) and Qt's own translations included.
ZEL_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# What making and checking the Debian package needs besides.
ZEL_PACKAGING_PACKAGES=(dpkg-dev file desktop-file-utils appstream lintian)

zel_step() {
    printf '\n=== %s\n' "$*"
}

# Runs a command as root: directly when we are root, through sudo otherwise.
zel_sudo() {
    if ((EUID == 0)); then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "Not root and no sudo: cannot run $*. Run as root." >&2
        return 1
    fi
}

# Installs the packages of ZEL_PACKAGES that are missing. Touches the network only when
# something is missing.
zel_install_packages() {
    if ! command -v dpkg-query >/dev/null; then
        echo "Not a Debian system: skipping package installation; needs ${ZEL_PACKAGES[*]} or equivalents."
        return 0
    fi
    local missing=() package
    for package in "${ZEL_PACKAGES[@]}"; do
        if [[ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]]; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        echo "Debian packages: all present (${ZEL_PACKAGES[*]})"
        return 0
    fi

    zel_step "Installing Debian packages: ${missing[*]}"
    zel_sudo apt-get update
    zel_sudo env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

# zel_configure DIR [CMAKE_ARGS...]: configures a Ninja build of the whole tree in DIR.
zel_configure() {
    local dir="$1"
    shift
    local launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$ZEL_ROOT" -B "$dir" -G Ninja "${launcher[@]}" "$@"
}

# zel_build DIR [TARGETS...]: builds the given targets (all by default) on every core.
zel_build() {
    local dir="$1"
    shift
    local targets=()
    if (($# > 0)); then
        targets=(--target "$@")
    fi
    cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
}
