#!/usr/bin/env bash
# One entry point for people and CI.
#   ./build.sh run     install what is missing, build, start the program
#   ./build.sh test    install what is missing, build, run every test
# Options after the command: --sanitize (ASan + UBSan build in build-asan/).
set -euo pipefail
cd "$(dirname "$0")"

cmd=${1:-run}
shift || true
build_dir=build
cmake_args=()
for arg in "$@"; do
    case "$arg" in
        --sanitize) build_dir=build-asan; cmake_args+=(-DVINTORP_SANITIZE=ON -DVINTORP_BENCH=OFF) ;;
        *) echo "unknown option: $arg" >&2; exit 2 ;;
    esac
done

packages=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
          fonts-liberation2 nlohmann-json3-dev libgtest-dev libbenchmark-dev poppler-utils librsvg2-bin)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build_dir" "${cmake_args[@]}"
cmake --build "$build_dir" -j"$(nproc)"

case "$cmd" in
    run)  exec "$build_dir/ui/vintorp" ;;
    test) cd "$build_dir" && ctest --output-on-failure -j"$(nproc)" ;;
    *)    echo "usage: $0 run|test [--sanitize]" >&2; exit 2 ;;
esac
