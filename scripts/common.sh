# Shared by run.sh and test.sh: installs the Debian packages that are missing
# and configures and builds a tree. Source it; do not run it.

# Runs a command as root, through sudo when the user is not root.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_missing PACKAGE...: installs those not yet installed, in one apt run.
install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# What the configurator needs to build and run.
BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqt6serialport6-dev qt6-qpa-plugins
    libgl-dev libxcb1-dev libxcb-xkb-dev
    fonts-dejavu-core
)

# What the test suite needs on top: the sanitizer and fuzzer runtime of clang,
# and a private X server with tools to drive it.
TEST_PACKAGES=(
    clang libclang-rt-14-dev
    xvfb xdotool x11-xkb-utils x11-xserver-utils xkb-data
)

# configure_and_build BUILD_DIR CMAKE_ARGS...
configure_and_build() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}
