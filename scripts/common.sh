# Shared by the scripts: Debian packages, configure and build, the device simulator and a
# profile for it. Source it; it defines functions and the package lists only.
# shellcheck disable=SC2034 # the lists are for the scripts that source this file

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

# zel_start_device OUTPUT LOG COMMAND...: starts the device simulator COMMAND (with its options,
# --port 0 among them) in the background, its standard output in OUTPUT and its log in LOG, and
# waits for it to say where it listens. Sets ZEL_DEVICE_PID at once and ZEL_DEVICE_PORT once it
# listens; fails, with its log on standard error, when it does not start within 30 seconds.
zel_start_device() {
    local output="$1" log="$2"
    shift 2
    : >"$output"
    "$@" >"$output" 2>"$log" &
    ZEL_DEVICE_PID=$!
    ZEL_DEVICE_PORT=""
    local _
    for _ in $(seq 300); do
        if [[ "$(head -n 1 "$output")" =~ ^listening\ 127\.0\.0\.1:([0-9]+) ]]; then
            ZEL_DEVICE_PORT="${BASH_REMATCH[1]}"
            return 0
        fi
        kill -0 "$ZEL_DEVICE_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "The device simulator did not start:" >&2
    cat "$log" >&2
    return 1
}

# zel_wait_for_view_request LOG MAILBOX: waits up to 30 seconds for the device simulator's log
# LOG to show a view request for MAILBOX; fails, with the log on standard error, when none comes.
zel_wait_for_view_request() {
    local _
    for _ in $(seq 300); do
        grep -q "view request, mailbox $2 |" "$1" && return 0
        sleep 0.1
    done
    echo "No view request for mailbox $2 reached the device simulator:" >&2
    cat "$1" >&2
    return 1
}

# zel_write_profile FOLDER PORT MAILBOX [crlf]: writes FOLDER/Zel1.ini for a run against the
# simulator: its address 127.0.0.1 and PORT, the mailbox, and a local port the system picks; with
# "crlf" the lines end as Windows' own files do. Sections and keys as src/shell/ProfileKeys.cpp
# names them; the shell tests read this text through that table.
zel_write_profile() {
    local folder="$1" port="$2" mailbox="$3"
    mkdir -p "$folder"
    cat >"$folder/Zel1.ini" <<INI
[Zel Server]
IP_address=127.0.0.1
Port_num=$port
[Zel Client]
Mailbox=$mailbox
Local_Port=0
INI
    if [[ "${4:-}" == crlf ]]; then
        sed -i 's/$/\r/' "$folder/Zel1.ini"
    fi
}
