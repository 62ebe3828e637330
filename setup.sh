#!/usr/bin/env bash
# Polaride set-up on a fresh Debian machine.
#   ./setup.sh start   install what is missing, build, and start the program
#   ./setup.sh test    install what is missing, build, and run every test
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-liberation poppler-utils clang libclang-rt-14-dev python3
          python3-ephem python3-skyfield nlohmann-json3-dev qt6-translations-l10n
          desktop-file-utils appstream libcurl4-openssl-dev liberfa-dev
          libhowardhinnant-date-dev tzdata python3-icalendar)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installiere: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j"$(nproc)"
}

case "${1:-}" in
    start)
        install_missing
        build
        exec tools/launch.sh build/app/polaride
        ;;
    test)
        install_missing
        build
        ctest --test-dir build --output-on-failure -j"$(nproc)"
        tools/check-extra.sh
        ;;
    *)
        echo "Aufruf: $0 start|test" >&2
        exit 2
        ;;
esac
