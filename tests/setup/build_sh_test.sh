#!/usr/bin/env bash
# build.sh as a user meets it, with the system commands it calls replaced by
# stand-ins that only log their calls: it refuses an unknown command before
# installing or building anything, and without root or sudo it names the
# packages to install and stops.
#   build_sh_test.sh <source folder>
set -uo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# A copy of the scripts, so that nothing is built in the source folder.
mkdir -p "$work/tree/.ci" "$work/tree/build" "$work/tree/build-release" "$work/bin"
cp "$source_dir/build.sh" "$work/tree/"
cp "$source_dir/.ci/packages.sh" "$work/tree/.ci/" 2>/dev/null || true

# The commands build.sh may use: the harmless ones as they are, the others
# as stand-ins. FAKE_UID is the user id; FAKE_MISSING the missing packages.
for tool in dirname grep nproc env cat mkdir; do
    ln -s "$(command -v "$tool")" "$work/bin/$tool"
done
log=$work/calls
stub() { printf '#!%s\n%s\n' "$(command -v bash)" "$2" > "$work/bin/$1"; chmod +x "$work/bin/$1"; }
for tool in apt-get cmake ctest cpack; do
    stub "$tool" "echo \"$tool \$*\" >> '$log'"
done
stub id 'echo "${FAKE_UID:-0}"'
stub dpkg-query 'for p in $FAKE_MISSING; do [ "$p" = "${!#}" ] && exit 1; done; echo "install ok installed"'
stub_sudo() { stub sudo "echo \"sudo \$*\" >> '$log'; exec \"\$@\""; }

# run_build <expected status> <args...>: runs build.sh, keeps its error output.
run_build() {
    local want=$1 status=0
    shift
    rm -f "$log"
    (cd "$work" && PATH=$work/bin "$(command -v bash)" tree/build.sh "$@") > "$work/out" 2> "$work/err" || status=$?
    case $want in
        zero) [ "$status" -eq 0 ] || fail "build.sh $*: status $status, expected 0" ;;
        *) [ "$status" -ne 0 ] || fail "build.sh $*: status 0, expected non-zero" ;;
    esac
}
calls() { cat "$log" 2>/dev/null; }

# An unknown command or option: usage, status 2, nothing installed or built.
for args in "bogus" "tset" "test --bogus" "package --sanitize"; do
    FAKE_MISSING=cmake run_build nonzero $args
    grep -q usage "$work/err" || fail "build.sh $args: no usage on standard error"
    [ -z "$(calls)" ] || fail "build.sh $args did something before refusing: $(calls)"
done

# Not root and no sudo: the missing packages are named, nothing is run.
rm -f "$work/bin/sudo"
FAKE_UID=1000 FAKE_MISSING="qt6-base-dev libgtest-dev" run_build nonzero test
grep -q 'qt6-base-dev libgtest-dev' "$work/err" || fail "without sudo the missing packages are not named: $(cat "$work/err")"
[ -z "$(calls)" ] || fail "without sudo build.sh still ran: $(calls)"

# Not root, with sudo: the package lists are brought up to date first.
stub_sudo
FAKE_UID=1000 FAKE_MISSING="qt6-base-dev" run_build zero test
expected="sudo env DEBIAN_FRONTEND=noninteractive apt-get update
apt-get update
sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends qt6-base-dev
apt-get install -y --no-install-recommends qt6-base-dev"
[ "$(calls | head -4)" = "$expected" ] || fail "with sudo, the installation ran as: $(calls)"
calls | grep -q '^cmake --build build ' || fail "with sudo, nothing was built: $(calls)"

# Root, nothing missing: no installation at all.
FAKE_UID=0 FAKE_MISSING= run_build zero package
! calls | grep -q apt-get || fail "apt-get ran with nothing missing: $(calls)"
calls | grep -q '^cpack -G DEB' || fail "build.sh package made no package: $(calls)"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "build.sh checks passed"
