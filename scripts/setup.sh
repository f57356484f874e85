#!/usr/bin/env bash
# Shared set-up for ./run and ./test: install what a fresh Debian machine lacks,
# then configure and build.  A second run finds everything and only builds.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGES=(g++ cmake make pkg-config qt6-base-dev qt6-serialport-dev libgl-dev
          libgtest-dev libgmock-dev)
if [[ "${ARDENTIX_FUZZ:-0}" == 1 ]]; then PACKAGES+=(clang); fi
if [[ "${ARDENTIX_NEED_XVFB:-0}" == 1 ]]; then PACKAGES+=(xvfb xauth); fi

missing_packages() {
    local p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" \
            || echo "$p"
    done
}

install_missing() {
    local missing
    missing="$(missing_packages)"
    [[ -z "$missing" ]] && return 0
    echo "Installing: $missing" >&2
    local sudo=""
    [[ "$(id -u)" != 0 ]] && sudo="sudo"
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# configure_and_build BUILD_DIR [cmake options...]
configure_and_build() {
    local dir="$1"; shift
    if [[ ! -f "$dir/CMakeCache.txt" ]]; then
        cmake -S "$ROOT" -B "$dir" "$@" >/dev/null
    else
        cmake -S "$ROOT" -B "$dir" "$@" >/dev/null
    fi
    cmake --build "$dir" -j "$(nproc)"
}

install_missing
