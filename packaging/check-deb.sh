#!/usr/bin/env bash
# Builds the Debian package (cpack -G DEB) in the folder of a preset, release unless named,
# checks it with lintian, desktop-file-validate and appstreamcli, then installs it with apt-get,
# runs both programs from the installed path and removes it again. Needs root or sudo for the
# install; stops at the first problem with a message that names it.
#   packaging/check-deb.sh [PRESET]    (the test command passes ci, whose programs it has tested)
set -eEuo pipefail
cd "$(dirname "$0")/.."
preset=${1:-release}
build=build/$preset
# Whatever stops the script says where, even a command without a message of its own.
trap 'echo "check-deb: FAILED at line $LINENO: $BASH_COMMAND" >&2' ERR

fail() {
  echo "check-deb: FAILED: $*" >&2
  exit 1
}
step() { printf '\n-- %s\n' "$*"; }

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
aptget() { DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 "$@"; }

scripts/install-deps.sh --package

is_installed() { [ "$(dpkg-query -W -f='${Status}' plevo 2>/dev/null)" = "install ok installed" ]; }
# A package left by an earlier run that stopped half-way would hide this build's.
if is_installed; then aptget remove -y -qq plevo >/dev/null; fi

step "Build"
# Only the packaged programs and files are built: the package does not need the tests or the
# benchmarks, so installing must not build them first.
cmake --preset "$preset" -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build --preset "$preset" -j2 --target Plevo plevo-lists plevo-package-files
rm -f "$build"/plevo_*.deb
(cd "$build" && cpack -G DEB) || fail "cpack could not make the package"
debs=("$build"/plevo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single plevo_*.deb"
deb=$(realpath "${debs[0]}")
version=$(dpkg-deb -f "$deb" Version)
project_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build"/CMakeCache.txt)
[ "$version" = "$project_version" ] ||
  fail "the package's version $version is not the project's $project_version"
echo "$deb"
dpkg-deb -f "$deb" Depends

step "lintian"
report=$(lintian --fail-on error,warning --display-info "$deb") || {
  echo "$report"
  fail "lintian found errors or warnings"
}
echo "$report"
# The programs are built with Debian's hardening flags (fortify, stack protector, full RELRO,
# bind now); lintian names a missing one with a hardening-* tag, some of them only as info.
! grep 'hardening-' <<<"$report" || fail "lintian finds the programs built without hardening"

work=$(mktemp -d)
cleanup() {
  rm -rf "$work"
  if is_installed; then aptget remove -y -qq plevo >/dev/null || true; fi
}
trap cleanup EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"

step "desktop-file-validate, appstreamcli validate"
desktop=$root/usr/share/applications/org.example.Plevo.desktop
metainfo=$root/usr/share/metainfo/org.example.Plevo.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
# The metainfo, its desktop entry and the icon together, as a software centre reads them.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli rejects the installed tree"
for size in 16 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x$size/apps/plevo.png
  [[ $(file -b "$icon") == "PNG image data, $size x $size,"* ]] || fail "$icon is no $size px PNG"
done

# The changelog and the metainfo name this release: a new version needs an entry in both.
changelog_version=$(zcat "$root/usr/share/doc/plevo/changelog.gz" |
  dpkg-parsechangelog -l- -S Version)
[ "$changelog_version" = "$version" ] ||
  fail "packaging/changelog's latest entry is $changelog_version, the package is $version"
grep -q "<release version=\"$version\"" "$metainfo" ||
  fail "packaging/org.example.Plevo.metainfo.xml names no release $version"

step "apt-get install"
aptget install -y -qq "$deb" >/dev/null
is_installed || fail "plevo is not installed after apt-get install"
[ "$(dpkg-query -W -f='${Version}' plevo)" = "$version" ] || fail "apt-get kept another version"

step "plevo-lists from /usr/bin"
[ "$(command -v plevo-lists)" = /usr/bin/plevo-lists ] || fail "plevo-lists is not /usr/bin's"
out=$(/usr/bin/plevo-lists --version) || fail "plevo-lists --version exits with $?"
[ "$out" = "plevo-lists $version" ] || fail "plevo-lists --version says \"$out\""
# Folded byte order: a-z count as A-Z and nothing else is folded, so "_" follows "Z" and a byte
# above 0x7F comes last; the empty line sorts first; every line comes out ending in CR LF, also
# one that came in ending in LF alone.
printf 'zeta.example\r\nAlpha.example\r\n_under.example\r\n\r\n' >"$work/list.txt"
printf 'joe@beta.example\n\xe9cole.example\r\nbeta.example\r\n' >>"$work/list.txt"
printf '\r\nAlpha.example\r\nbeta.example\r\njoe@beta.example\r\n' >"$work/expected.txt"
printf 'zeta.example\r\n_under.example\r\n\xe9cole.example\r\n' >>"$work/expected.txt"
/usr/bin/plevo-lists sort "$work/list.txt" -o "$work/sorted.txt" ||
  fail "plevo-lists sort exits with $?"
cmp "$work/expected.txt" "$work/sorted.txt" || fail "plevo-lists sort wrote other bytes"
echo "plevo-lists --version and sort: as expected"

step "Plevo from /usr/bin, offscreen"
# The tool's data goes to a fresh folder: nothing of the user's is read or written.
home=$work/home
mkdir -p "$home" && mkdir -m 700 "$work/runtime"
status=0
env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_STATE_HOME HOME="$home" \
  XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
  timeout 5 /usr/bin/Plevo || status=$?
[ "$status" -eq 124 ] || fail "Plevo ended with status $status before 5 seconds"
# The first start writes the substitute registry from the built-in sample.
reg=$home/.local/share/Plevo/HKEY_CURRENT_USER.reg
[ -s "$reg" ] || fail "Plevo wrote no $reg"
# It is UTF-16 with a byte order mark, as the system's registry editor writes it.
text=$(iconv -f UTF-16 -t UTF-8 "$reg") || fail "$reg is no UTF-16 text"
first=${text%%$'\n'*}
first=${first%$'\r'}
[ "$first" = "Windows Registry Editor Version 5.00" ] || fail "$reg starts \"$first\""
echo "Plevo ran 5 seconds and wrote its registry file"

step "apt-get remove"
aptget remove -y -qq plevo >/dev/null
! is_installed || fail "plevo is still installed after apt-get remove"
[ ! -e /usr/bin/Plevo ] && [ ! -e /usr/bin/plevo-lists ] || fail "the programs stay after removal"
echo "check-deb: the package builds, passes its checks, installs, runs and is removed"
