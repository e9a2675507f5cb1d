#!/usr/bin/env bash
# Has the freedesktop tools judge the desktop entry and the AppStream file,
# builds the Debian package with scripts/package, checks its fields and its
# contents, has lintian judge it, installs and removes it with dpkg in a
# scratch root, and runs the program as installed.
#   package.sh SOURCE_DIR WORK_DIR APP_ID VERSION
# CMAKE and CPACK name the tools scripts/package uses.
set -euo pipefail
src=$1 work=$2 id=$3 version=$4
out=$work/out sys=$work/sys
rm -rf "$out" "$sys"
mkdir -p "$out" "$sys/var/lib/dpkg"
fail() { echo "FAIL: $*" >&2 && exit 1; }
# Runs a step quietly, showing its output only when it fails.
quiet() { "$@" >"$work/step.log" 2>&1 || { cat "$work/step.log" >&2; fail "$*"; }; }

# Warnings and hints fail too; the AppStream file's pedantic notes pass.
said=$(desktop-file-validate "$src/assets/$id.desktop" 2>&1) && [ -z "$said" ] || fail "$said"
quiet appstreamcli validate --no-net --pedantic "$src/assets/$id.metainfo.xml"
quiet "$src/scripts/package" "$work/build" "$out"
deb=$(echo "$out"/*.deb)
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || fail "$deb is not at version $version"
depends=", $(dpkg-deb --field "$deb" Depends),"
for pkg in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    [[ $depends =~ ", $pkg"[\ ,] ]] || fail "Depends lacks $pkg: $depends"
done
# Debian's checker: any error or warning fails, its notes pass.
quiet lintian --fail-on error,warning "$deb"

# Every file the package must hold, each the project's own, and nothing else;
# dpkg installs exactly those and takes them all away again.
declare -A files=(
    [usr/share/ordel/ORDEL.HLP]=assets/ORDEL.HLP
    ["usr/share/applications/$id.desktop"]="assets/$id.desktop"
    ["usr/share/metainfo/$id.metainfo.xml"]="assets/$id.metainfo.xml"
    ["usr/share/icons/hicolor/scalable/apps/$id.svg"]=assets/icons/ordel.svg
    [usr/share/doc/ordel/copyright]=packaging/copyright
    [usr/bin/ordel]= [usr/share/doc/ordel/changelog.gz]= [usr/share/man/man1/ordel.1.gz]=
    [usr/share/man/pt_BR/man1/ordel.1.gz]=)
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
quiet appstreamcli validate-tree --no-net "$sys"
[[ $(zcat "$sys/usr/share/doc/ordel/changelog.gz") == "ordel ($version) "* ]] ||
    fail "the changelog's latest entry is not $version"

# The installed program, its folders laid over the machine's /usr in a private
# mount namespace, must start and keep running; it looks for its help in the
# folder the package fills.
grep -q /usr/share/ordel "$sys/usr/bin/ordel" || fail "the program does not look in /usr/share/ordel"
status=0
QT_QPA_PLATFORM=offscreen ORDEL_ROOT=$sys timeout 5 unshare --map-root-user --mount sh -ec '
    mount -t overlay ordel-root -o "lowerdir=$ORDEL_ROOT/usr:/usr" /usr
    exec /usr/bin/ordel' || status=$?
[ "$status" -eq 124 ] || fail "the installed program ended with $status instead of running"

quiet "${dpkg[@]}" --purge ordel
[ ! -e "$sys/usr" ] || fail "left after removal: $(find "$sys/usr")"
echo "$(basename "$deb"): ${#files[@]} files, Depends: $depends"
