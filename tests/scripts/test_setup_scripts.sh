#!/usr/bin/env bash
# The set-up shared by run.sh and test.sh, driven with stand-ins for apt-get,
# sudo, id and cmake that log their calls: no apt at all when nothing is
# missing, a clear refusal for a user who cannot become root, and no second
# configure of a tree that is already set up.
# Usage: test_setup_scripts.sh SOURCE_DIR SCRATCH_DIR
set -u
source_dir=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
failures=0

# A PATH of the stand-ins and only the real tools common.sh needs, so that a
# real sudo elsewhere on the machine cannot interfere.
# make_bin UID SUDO: SUDO is none, refuses or works.
make_bin() {
    local bin="$scratch/bin-$1-$2"
    rm -rf "$bin"
    mkdir -p "$bin"
    for tool in dpkg-query grep cat env mkdir; do ln -s "$(command -v "$tool")" "$bin/$tool"; done
    printf '#!/bin/bash\necho "$@" >> "%s/calls"\n' "$scratch" > "$bin/apt-get"
    printf '#!/bin/bash\necho "cmake $*" >> "%s/calls"\n[ "$1" = -S ] && mkdir -p "$4" && : > "$4/build.ninja"\nexit 0\n' \
        "$scratch" > "$bin/cmake"
    printf '#!/bin/bash\necho %s\n' "$1" > "$bin/id"
    case "$2" in
        refuses) printf '#!/bin/bash\nexit 1\n' > "$bin/sudo" ;;
        works) printf '#!/bin/bash\n[ "$1" = -n ] && shift\n"$@"\n' > "$bin/sudo" ;;
    esac
    chmod +x "$bin"/*
    echo "$bin"
}

# check NAME UID SUDO PACKAGES EXPECTED_STATUS EXPECTED_APT_CALLS EXPECTED_MESSAGE
check_install() {
    local name=$1 uid=$2 sudo=$3 packages=$4 status=$5 apt=$6 message=$7
    local bin output got_status calls
    bin=$(make_bin "$uid" "$sudo")
    rm -f "$scratch/calls"
    output=$(cd "$source_dir" && PATH="$bin" /bin/bash -c \
        '. scripts/common.sh; install_missing '"$packages" 2>&1)
    got_status=$?
    calls=$(grep -c . "$scratch/calls" 2>/dev/null)
    if [ "$got_status" -ne "$status" ] || [ "${calls:-0}" -ne "$apt" ] \
        || { [ -n "$message" ] && [[ "$output" != *"$message"* ]]; } \
        || { [ -z "$message" ] && [ -n "$output" ]; }; then
        echo "FAIL $name: status $got_status, apt calls ${calls:-0}, output:"
        echo "$output"
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

absent=qm47-no-such-package
all='"${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"'
#             name                              uid  sudo    packages        status apt message
check_install "all present, root"               0    none    "$all"          0      0   ""
check_install "all present, user without sudo"  1000 none    "$all"          0      0   ""
check_install "missing, user without sudo"      1000 none    "bash $absent"  1      0   "apt-get install --no-install-recommends $absent"
check_install "missing, sudo refused"           1000 refuses "$absent"       1      0   "  $absent"
check_install "missing, sudo works"             1000 works   "$absent"       0      2   "Installing: $absent"
check_install "missing, root"                   0    none    "$absent"       0      2   "Installing: $absent"

# configure_and_build: a new tree is configured; the same call again only builds.
bin=$(make_bin 1000 none)
rm -f "$scratch/calls"
for run in 1 2; do
    (cd "$source_dir" && PATH="$bin" /bin/bash -c \
        '. scripts/common.sh; configure_and_build "$0" -DX=1' "$scratch/tree") >/dev/null 2>&1
done
configures=$(grep -c -- 'cmake -S' "$scratch/calls")
builds=$(grep -c -- 'cmake --build' "$scratch/calls")
if [ "$configures" -eq 1 ] && [ "$builds" -eq 2 ]; then
    echo "ok   second run builds without configuring"
else
    echo "FAIL second run: $configures configures, $builds builds"
    failures=$((failures + 1))
fi

exit $((failures > 0))
