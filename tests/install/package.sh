#!/usr/bin/env bash
# Has the freedesktop tools judge the desktop entry and the AppStream file,
# builds the Debian packages twice with scripts/package and checks that both
# builds give the same bytes, has lintian judge them, checks the package's
# fields and contents, installs and removes it with dpkg in a scratch root,
# and runs the program as installed. It installs nothing on this machine and
# reaches no network: without Debian's packaging tools or the Build-Depends it
# is skipped (exit 77).
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
rm -rf "$sys"
mkdir -p "$sys/var/lib/dpkg"

# Warnings and hints fail too; the AppStream file's pedantic notes pass.
said=$(desktop-file-validate "$src/assets/$id.desktop" 2>&1) && [ -z "$said" ] || fail "$said"
quiet appstreamcli validate --no-net --pedantic "$src/assets/$id.metainfo.xml"

# Two builds of the same sources, in different folders, give the same bytes.
quiet "$src/scripts/package" "$work/first"
quiet "$src/scripts/package" "$work/build" "$out"
for built in "$out"/*.deb; do
    cmp "$built" "$work/first/out/${built##*/}" || fail "two builds gave different ${built##*/}"
done
rm -rf "$work/first"
deb=$out/ordel_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb, but: $(ls "$out")"
# Each relation as a pattern: Debian 13 renamed Qt Core's package for its
# 64-bit time, and moved the SVG icon engine to a package of its own.
for want in 'Depends:libqt6core6(t64)?' Depends:libqt6gui6 Depends:libqt6widgets6 \
    Depends:qt6-qpa-plugins 'Recommends:qt6-svg-plugins \| libqt6svg6 \(<< 6\.7\.2-5~\)' \
    Recommends:qt6-translations-l10n Recommends:qt6-wayland; do
    field=", $(dpkg-deb --field "$deb" "${want%%:*}"),"
    pattern=", ${want#*:}[ ,]"
    [[ $field =~ $pattern ]] || fail "${want%%:*} lacks ${want#*:}: $field"
done
# The source package holds the project's files alone: no build folder (the
# test's own work folder among them), no built package, no copy of itself.
listed=$(tar -tf "$out/ordel_$version.tar.xz")
junk=$(grep -E '(^|/)(CMakeCache\.txt|[^/]*\.deb)$|/ordel-[0-9.]+/' <<<"$listed" || true)
[ -z "$junk" ] || fail "the source package holds build files: $(head -3 <<<"$junk")"
# Debian's checker, on the source and the binary packages: any error or
# warning fails, its notes pass.
quiet lintian --fail-on error,warning "$out/ordel_${version}_$(dpkg --print-architecture).changes"
# Debian's own files come from debian/, never from the upstream install.
! grep /share/doc/ "$work/build/ordel-$version"/obj-*/install_manifest.txt ||
    fail "the upstream install writes a documentation file"

# Every file the package must hold, each the project's own, and nothing else;
# dpkg installs exactly those and takes them all away again.
declare -A files=(
    [usr/share/ordel/ORDEL.HLP]=assets/ORDEL.HLP
    ["usr/share/applications/$id.desktop"]="assets/$id.desktop"
    ["usr/share/metainfo/$id.metainfo.xml"]="assets/$id.metainfo.xml"
    ["usr/share/icons/hicolor/scalable/apps/$id.svg"]=assets/icons/ordel.svg
    [usr/share/doc/ordel/copyright]=debian/copyright
    [usr/bin/ordel]= [usr/share/doc/ordel/changelog.gz]= [usr/share/man/man1/ordel.1.gz]=
    [usr/share/man/pt/man1/ordel.1.gz]=)
for size in 16 32 48 64 128 256; do
    files["usr/share/icons/hicolor/${size}x${size}/apps/$id.png"]="assets/icons/hicolor/${size}x${size}/$id.png"
done
: >"$sys/var/lib/dpkg/status"
dpkg=(dpkg --root="$sys" --log=/dev/null --force-not-root --force-depends)
quiet "${dpkg[@]}" --install "$deb"
diff <(printf '%s\n' "${!files[@]}" | sort) <(cd "$sys" && find usr ! -type d | sort) ||
    fail "the package installs other files than these"
for f in "${!files[@]}"; do
    [ -z "${files[$f]}" ] || cmp "$src/${files[$f]}" "$sys/$f"
done
zcat "$sys/usr/share/doc/ordel/changelog.gz" | cmp - "$src/debian/changelog"
[[ $(head -1 "$src/debian/changelog") == "ordel ($version) "* ]] ||
    fail "the changelog's latest entry is not $version"
quiet appstreamcli validate-tree --no-net "$sys"
# The program finds its libraries where the system keeps them, not by a path
# of its own.
! readelf -d "$sys/usr/bin/ordel" | grep -E 'RPATH|RUNPATH' || fail "the program carries a run path"

# Runs the installed program, its folders laid over the machine's /usr in a
# private mount namespace and with no display, for at most 5 seconds, and
# prints its exit status (124: still running):
#   installed [VARIABLE=VALUE...] [-- ARGUMENT...]
installed() {
    local vars=() status=0
    while [ $# -gt 0 ] && [ "$1" != -- ]; do vars+=("$1") && shift; done
    [ $# -eq 0 ] || shift
    timeout 5 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ORDEL_ROOT="$sys" "${vars[@]}" \
        unshare --map-root-user --mount sh -ec '
            mount -t overlay ordel-root -o "lowerdir=$ORDEL_ROOT/usr:/usr" /usr
            exec /usr/bin/ordel "$@"' sh "$@" >"$work/said" 2>&1 || status=$?
    echo "$status"
}
# It looks for its help in the folder the package fills; it starts and keeps
# running on the platform Qt is told of, by its variable or by its option;
# with neither and no display it says, in Portuguese, how to run it.
grep -q /usr/share/ordel "$sys/usr/bin/ordel" || fail "the program does not look in /usr/share/ordel"
status=$(installed QT_QPA_PLATFORM=offscreen)
[ "$status" = 124 ] || fail "with QT_QPA_PLATFORM=offscreen it ended with $status: $(cat "$work/said")"
status=$(installed -- -platform offscreen)
[ "$status" = 124 ] || fail "with -platform offscreen it ended with $status: $(cat "$work/said")"
status=$(installed)
[ "$status" = 1 ] && grep -q "tela virtual: xvfb-run ordel$" "$work/said" ||
    fail "with no display it ended with $status, saying: $(cat "$work/said")"

quiet "${dpkg[@]}" --purge ordel
[ ! -e "$sys/usr" ] || fail "left after removal: $(find "$sys/usr")"
echo "$(basename "$deb"): ${#files[@]} files"; dpkg-deb --field "$deb" Depends Recommends
