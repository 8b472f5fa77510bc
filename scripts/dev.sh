#!/usr/bin/env bash
# Set-up, build and run for a Debian machine.
#   scripts/dev.sh run    installs what is missing, builds and starts Pelinor
#   scripts/dev.sh test   installs what is missing, builds and runs the whole test suite
set -euo pipefail

cd "$(dirname "$0")/.."
build_dir=${PELINOR_BUILD_DIR:-build}

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libxcb1-dev libxcb-xtest0-dev
    xvfb xauth openbox x11-utils xterm
    fonts-noto-cjk fonts-liberation fonts-sil-charis fonts-dejavu-core
    pandoc unrtf
)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="${PELINOR_BUILD_TYPE:-RelWithDebInfo}"
    cmake --build "$build_dir" -j "$(nproc)"
}

case "${1:-}" in
run)
    install_missing
    build
    exec "$build_dir/bin/pelinor"
    ;;
test)
    install_missing
    build
    ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 300
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
