# Shared by run.sh and test.sh: installs the Debian packages that are missing
# and configures and builds a tree. Source it; do not run it.

# What the configurator needs to build and run. Only real package names: a
# virtual name is never reported as installed and would start apt every time.
# Under Wayland the program runs on Qt's wayland platform (qt6-wayland) and asks
# the compositor to pass its shortcuts on while recording (the client library,
# the protocol files and Qt's private platform interface). The summaries of
# scripts read the keyboard layouts and compose sequences of the system's
# keyboard data through libxkbcommon.
BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-qpa-plugins
    libgl-dev libxcb1-dev libxcb-xkb-dev libfontconfig-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n  # catalogues: CMake support, tools, Qt's own
    qt6-wayland libwayland-dev wayland-protocols qt6-base-private-dev
    fonts-dejavu-core
    qt6-svg-dev                                  # the overview sheet as SVG
    libxkbcommon-dev xkb-data libx11-data        # characters of a layout, its dead keys
)

# What the test suite needs on top: the sanitizer and fuzzer runtime of clang,
# a private X server with tools to drive it, a headless Wayland compositor, the
# PDF tools that read the overview sheet back, the checkers of the desktop
# metadata and the Debian package, the Windows cross compiler for the syntax
# check of the Windows-only code, and Ansible to run the example playbook.
TEST_PACKAGES=(
    clang libclang-rt-14-dev
    xvfb xdotool x11-xkb-utils x11-xserver-utils
    sway
    libxcb-damage0-dev                           # the start-up benchmark watches the X display's drawing
    poppler-utils                                # reads the exported overview sheet
    appstream desktop-file-utils dpkg-dev man-db
    g++-mingw-w64-x86-64-posix
    ansible-core
)

# missing_packages PACKAGE...: prints those not installed, one a line.
missing_packages() {
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -qx 'install ok installed'; then
            echo "$pkg"
        fi
    done
}

# True when apt may be run as root: we are root, or sudo works (asking for the
# password only when someone is at the terminal to type it).
can_run_as_root() {
    [ "$(id -u)" -eq 0 ] && return 0
    command -v sudo >/dev/null 2>&1 || return 1
    sudo -n true 2>/dev/null && return 0
    [ -t 0 ] && sudo -v
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_missing PACKAGE...: installs those not yet installed, in one apt run.
# Does not touch apt when nothing is missing. Without a way to become root it
# names the missing packages and the command that installs them, and fails.
install_missing() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ "${#missing[@]}" -eq 0 ] && return 0
    if ! can_run_as_root; then
        {
            echo "These Debian packages are needed but not installed:"
            printf '  %s\n' "${missing[@]}"
            echo "Install them as root, then run this script again:"
            echo "  apt-get install --no-install-recommends ${missing[*]}"
        } >&2
        return 1
    fi
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build BUILD_DIR CMAKE_ARGS...
# Configures only when the tree is new or the arguments changed; after that
# the build alone runs (and re-runs CMake itself when a CMakeLists changed).
configure_and_build() {
    local dir="$1"
    shift
    local stamp="$dir/.qm47-configure-args"
    local wanted
    wanted=$(printf '%s\n' "$@")
    # A compiler cache, where one is installed, makes rebuilds of other
    # checkouts of the same sources quick; CMake takes it from the environment.
    if command -v ccache >/dev/null 2>&1; then
        export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
    fi
    if [ ! -f "$dir/build.ninja" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$wanted" ]; then
        cmake -S . -B "$dir" -G Ninja "$@"
        printf '%s\n' "$wanted" > "$stamp"
    fi
    cmake --build "$dir" --parallel "$(nproc)"
}
