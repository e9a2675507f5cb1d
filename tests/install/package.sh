#!/usr/bin/env bash
# Builds the Debian packages twice with scripts/package and checks that both
# builds give the same bytes, has lintian and the freedesktop tools judge
# them, installs the package with dpkg in a scratch root, checks its files,
# runs the program as installed, and removes it. It installs nothing on this
# machine and reaches no network: without Debian's packaging tools or the
# Build-Depends it is skipped (exit 77).
#   package.sh SOURCE_DIR WORK_DIR APP_ID VERSION
set -euo pipefail
src=$1 work=$2 id=$3 version=$4
out=$work/out sys=$work/sys
fail() { echo "FAIL: $*" >&2 && exit 1; }
# Runs a step quietly, showing its output only when it fails.
quiet() { "$@" >"$work/step.log" 2>&1 || { cat "$work/step.log" >&2; fail "$*"; }; }

for tool in dpkg-buildpackage dh lintian desktop-file-validate appstreamcli readelf unshare; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
unmet=$(cd "$src" && dpkg-checkbuilddeps 2>&1) || { echo "SKIP: $unmet"; exit 77; }
export ORDEL_NO_INSTALL=1
rm -rf "$sys" && mkdir -p "$sys/var/lib/dpkg" && : >"$sys/var/lib/dpkg/status"

# Two builds of the same sources, in different folders, give the same bytes.
quiet "$src/scripts/package" "$work/first"
quiet "$src/scripts/package" "$work/build" "$out"
for built in "$out"/*.deb; do
    cmp "$built" "$work/first/out/${built##*/}" || fail "two builds gave different ${built##*/}"
done
rm -rf "$work/first"
arch=$(dpkg --print-architecture)
deb=$out/ordel_${version}_$arch.deb
[ -f "$deb" ] || fail "no $deb, but: $(ls "$out")"
# The source package holds the project's files alone: no build folder (the
# test's own work folder among them), no built package, no copy of itself.
junk=$(tar -tf "$out/ordel_$version.tar.xz" | grep -E '(^|/)(CMakeCache\.txt|[^/]*\.deb)$|/ordel-[0-9.]+/' || true)
[ -z "$junk" ] || fail "the source package holds build files: $(head -3 <<<"$junk")"
# Debian's checker on the source and binary packages (any error or warning
# fails, its notes pass), and the freedesktop tools on the desktop entry and
# the AppStream file, whose pedantic notes pass.
quiet lintian --fail-on error,warning "$out/ordel_${version}_$arch.changes"
said=$(desktop-file-validate "$src/assets/$id.desktop" 2>&1) && [ -z "$said" ] || fail "$said"
quiet appstreamcli validate --no-net --pedantic "$src/assets/$id.metainfo.xml"

# dpkg installs exactly these files and takes them all away again.
dpkg=(dpkg --root="$sys" --log=/dev/null --force-not-root --force-depends)
quiet "${dpkg[@]}" --install "$deb"
diff <(cd "$sys" && find usr ! -type d | sort) <(printf '%s\n' usr/bin/ordel usr/share/ordel/ORDEL.HLP \
    usr/share/{applications/$id.desktop,metainfo/$id.metainfo.xml,icons/hicolor/scalable/apps/$id.svg} \
    usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
    usr/share/doc/ordel/{copyright,changelog.gz} usr/share/man/{,pt/}man1/ordel.1.gz | sort) ||
    fail "the package installs other files than these"
[[ $(head -1 "$src/debian/changelog") == "ordel ($version) "* ]] ||
    fail "the changelog's latest entry is not $version"
quiet appstreamcli validate-tree --no-net "$sys"
# The program finds its libraries where the system keeps them, not by a path
# of its own.
! readelf -d "$sys/usr/bin/ordel" | grep -E 'RPATH|RUNPATH' || fail "the program carries a run path"
grep -q /usr/share/ordel "$sys/usr/bin/ordel" || fail "the program does not look in /usr/share/ordel"

# Runs the installed program, its folders laid over the machine's /usr in a
# private mount namespace and with no display, for at most 5 seconds, and
# fails unless it ends with that status (124: still running):
#   installed STATUS VARIABLE=VALUE [ARGUMENT...]
installed() {
    local status=0
    timeout 5 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ORDEL_ROOT="$sys" "$2" \
        unshare --map-root-user --mount sh -ec '
            mount -t overlay ordel-root -o "lowerdir=$ORDEL_ROOT/usr:/usr" /usr
            exec /usr/bin/ordel "$@"' sh "${@:3}" >"$work/said" 2>&1 || status=$?
    [ "$status" = "$1" ] || fail "with $2 ${*:3} it ended with $status: $(cat "$work/said")"
}
# It starts and keeps running on the platform Qt is told of, by its variable
# or by its option; with neither and no display it says, in Portuguese, how
# to run it.
installed 124 QT_QPA_PLATFORM=offscreen
installed 124 ORDEL_ROOT="$sys" -platform offscreen
installed 1 ORDEL_ROOT="$sys"
grep -q "tela virtual: xvfb-run ordel$" "$work/said" || fail "with no display it said: $(cat "$work/said")"

quiet "${dpkg[@]}" --purge ordel
[ ! -e "$sys/usr" ] || fail "left after removal: $(find "$sys/usr")"
echo "$(basename "$deb"): installed, run and removed"; dpkg-deb --field "$deb" Depends Recommends
