# The Debian packages that building, testing, packaging and fuzzing need,
# written once. Sourced by build.sh, .ci/run and .ci/check-package:
#   install_packages GROUP...   installs what the groups need and is missing
# Groups:
#   build     build the program and the batch tool
#   test      the tests and benchmarks (./build.sh test); python3-ezdxf reads
#             the DXF back, run by /usr/bin/python3; Xvfb, a session bus, the
#             AT-SPI registry and python3-pyatspi read the windows as a screen
#             reader does (the program on Qt's X11 platform plugin);
#             adwaita-qt6 is a style, light and dark, the windows are tried under
#   deb       make the Debian package (the dependency scan)
#   checks    check the Debian package (.ci/check-package)
#   fuzz      the libFuzzer targets (clang and its run-time libraries)
#   cups      the print test against a real queue (a private CUPS scheduler
#             with a PDF printer; run as root, skipped otherwise)

packages_of() {
    local group
    for group in "$@"; do
        case "$group" in
            build) echo cmake make g++ pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n \
                        qt6-tools-dev qt6-l10n-tools fonts-liberation2 fonts-dejavu-core nlohmann-json3-dev ;;
            test) echo libgtest-dev libbenchmark-dev poppler-utils librsvg2-bin python3-ezdxf \
                       xvfb xauth dbus at-spi2-core python3-pyatspi qt6-qpa-plugins adwaita-qt6 ;;
            deb) echo dpkg-dev ;;
            checks) echo desktop-file-utils appstream lintian file shared-mime-info libglib2.0-bin ;;
            fuzz) echo clang libclang-rt-14-dev ;;
            cups) echo cups cups-ipp-utils printer-driver-cups-pdf ;;
            *) echo "unknown package group: $group" >&2; return 2 ;;
        esac
    done
}

# Installs, as root or through sudo, what the groups need and is missing.
# Without either it names the missing packages and fails.
install_packages() {
    local wanted missing=() p
    wanted=$(packages_of "$@") || return
    for p in $wanted; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    local as=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "These packages are missing: ${missing[*]}" >&2
            echo "Install them as root (apt-get install ${missing[*]}), or install sudo, and run this again." >&2
            return 1
        fi
        as=(sudo)
    fi
    "${as[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${as[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}
