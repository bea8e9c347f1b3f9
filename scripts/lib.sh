# Shared by scripts/run and scripts/test: install what is missing, configure and build.
# shellcheck shell=bash

ORMITAN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What building needs, what the program needs at run time, and what the tests drive it with.
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libcups2-dev)
# qt6-translations-l10n: Qt's own Russian texts for the standard dialogs (open, save, print).
RUN_PACKAGES=(fonts-liberation2 libqt6printsupport6 qt6-translations-l10n xvfb xauth x11-utils
              imagemagick)
# The end-to-end tests run on a desktop: openbox manages the windows, and a session bus with the
# accessibility bus lets them read the program as a screen reader does.
TEST_PACKAGES=(xdotool poppler-utils cups cups-client cups-bsd printer-driver-cups-pdf
               desktop-file-utils shared-mime-info libxml2-utils libglib2.0-bin python3-xlib
               openbox dbus-x11 at-spi2-core python3-pyatspi)
# The fuzz configuration: clang with libFuzzer and the sanitizer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# What scripts/bench adds: Google Benchmark, Qt Charts as the chart's baseline (its CMake package
# needs the Qt OpenGL development files), and xdotool to find the windows whose memory it reads.
BENCH_PACKAGES=(libbenchmark-dev qt6-charts-dev libqt6opengl6-dev xdotool)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Need root to run: $*" >&2
        return 1
    fi
}

# ensure_packages PKG...: installs the Debian packages that are not installed yet.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# build DIR [cmake options...]: configures (once) and builds into DIR.
build() {
    local dir=$1
    shift
    cmake -S "$ORMITAN_ROOT" -B "$dir" "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}

# step NAME COMMAND...: runs one step of a script and says how long it took; the script's
# summary lists every step that ran.
STEP_TIMES=()
step() {
    local name=$1 start=$SECONDS
    shift
    echo "=== $name"
    "$@"
    STEP_TIMES+=("$(printf '%-16s %4d s' "$name" $((SECONDS - start)))")
    echo "=== $name: $((SECONDS - start)) s"
}

step_summary() {
    local line
    echo "=== Steps:"
    for line in "${STEP_TIMES[@]}"; do
        echo "    $line"
    done
}
