#!/usr/bin/env bash
# One entry point for people and CI.
#   ./build.sh run      install what is missing, build, start the program
#   ./build.sh test     install what is missing, build, run every test
#   ./build.sh package  install what is missing, make the Debian package in build-release/
# Options after run or test: --sanitize (ASan + UBSan build in build-asan/).
set -euo pipefail
cd "$(dirname "$0")"

usage() { echo "usage: $0 run|test [--sanitize] | package" >&2; exit 2; }

cmd=${1:-run}
shift || true
case "$cmd" in
    run|test|package) ;;
    *) usage ;;
esac
build_dir=build
cmake_args=()
for arg in "$@"; do
    case "$arg" in
        --sanitize) [ "$cmd" != package ] || usage
                    build_dir=build-asan; cmake_args+=(-DVINTORP_SANITIZE=ON -DVINTORP_BENCH=OFF) ;;
        *) echo "unknown option: $arg" >&2; usage ;;
    esac
done

. .ci/packages.sh
if [ "$cmd" = package ]; then
    install_packages build deb
    cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVINTORP_BENCH=OFF
    cmake --build build-release -j"$(nproc)"
    cd build-release
    exec cpack -G DEB
fi
install_packages build test

cmake -S . -B "$build_dir" "${cmake_args[@]}"
cmake --build "$build_dir" -j"$(nproc)"

case "$cmd" in
    run)  exec "$build_dir/ui/vintorp" ;;
    test) cd "$build_dir"
          exec ctest --output-on-failure -j"$(nproc)" ;;
esac
