# Shared set-up for the scripts: install what is missing on a Debian or
# Ubuntu machine, then configure and build one build folder. Sourced, not run.

TESSELLON_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Packages every build needs; callers add their own. libwayland-dev, with
# its scanner, is for the clipboard helper's copies on Wayland, and
# libxcb1-dev for its copies through Xwayland; Qt's lrelease compiles the
# catalogues of the languages.
TESSELLON_BUILD_PACKAGES=(cmake ninja-build g++ pkgconf qt6-base-dev qt6-svg-dev libgl-dev
    nlohmann-json3-dev libwayland-dev libwayland-bin libxcb1-dev qt6-l10n-tools)

missing_packages() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || printf '%s\n' "$package"
    done
}

ensure_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ "${#missing[@]}" -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    # Another install holding apt's lock (scripts/run and scripts/test side
    # by side, or the desktop's updater) is waited for, not failed on.
    local wait=(-o DPkg::Lock::Timeout=600)
    "${sudo[@]}" apt-get "${wait[@]}" update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get "${wait[@]}" install -y -qq \
        --no-install-recommends "${missing[@]}" >/dev/null
}

# configure_and_build BUILD_DIR [CMAKE_ARGS...] [-- BUILD_ARGS...]
configure_and_build() {
    local dir=$1
    shift
    local configure=() build=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        configure+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift && build=("$@")
    cmake -S "$TESSELLON_ROOT" -B "$dir" -G Ninja "${configure[@]}" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)" "${build[@]}"
}
