#!/usr/bin/env bash
# Builds the Debian package with scripts/package, checks its fields and its
# contents, has lintian judge it, installs and removes it with dpkg in a
# scratch root, and unpacks it into another for run-installed.sh.
#   package.sh SOURCE_DIR WORK_DIR APP_ID VERSION
# CMAKE and CPACK name the tools scripts/package uses.
set -euo pipefail
src=$1 work=$2 id=$3 version=$4
build=$work/build out=$work/out root=$work/root sys=$work/sys
rm -rf "$out" "$root" "$sys"
mkdir -p "$work" "$out"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# Runs a step quietly, showing its output only when it fails.
quiet() {
    "$@" >"$work/step.log" 2>&1 || { cat "$work/step.log" >&2; fail "$*"; }
}

quiet "$src/scripts/package" "$build" "$out"
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one package in $out, found: ${debs[*]}"
deb=${debs[0]}

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = ordel ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), expected $version"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
depends_names=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')
for pkg in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -qx "$pkg" <<<"$depends_names" || fail "Depends lacks $pkg: $depends"
done

# Every file the package must hold, and nothing else.
expected=(
    ./usr/bin/ordel
    ./usr/share/ordel/ORDEL.HLP
    "./usr/share/applications/$id.desktop"
    "./usr/share/metainfo/$id.metainfo.xml"
    "./usr/share/icons/hicolor/scalable/apps/$id.svg"
    ./usr/share/doc/ordel/copyright
    ./usr/share/doc/ordel/changelog.gz
    ./usr/share/man/man1/ordel.1.gz
    ./usr/share/man/pt_BR/man1/ordel.1.gz
)
for size in 16 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
actual=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$actual" = "$wanted" ] || fail "package contents differ:
$(diff <(echo "$wanted") <(echo "$actual") || true)"
# Debian's checker: any error or warning fails, its notes pass.
quiet lintian --fail-on error,warning "$deb"

# dpkg installs exactly those files and takes them all away again.
mkdir -p "$sys/var/lib/dpkg" && : >"$sys/var/lib/dpkg/status"
dpkg=(dpkg --root="$sys" --log=/dev/null --force-not-root --force-depends)
quiet "${dpkg[@]}" --install "$deb"
[ "$(cd "$sys" && find ./usr ! -type d | sort)" = "$wanted" ] || fail "dpkg installed other files"
quiet "${dpkg[@]}" --purge ordel
[ ! -e "$sys/usr" ] || fail "left after removal: $(find "$sys/usr")"

# Unpacked, the files are the project's own, the program can run, and the
# installed tree is consistent for a software centre (the AppStream file
# finds its desktop entry).
dpkg-deb --extract "$deb" "$root"
cmp "$src/assets/ORDEL.HLP" "$root/usr/share/ordel/ORDEL.HLP"
cmp "$src/assets/$id.desktop" "$root/usr/share/applications/$id.desktop"
cmp "$src/assets/$id.metainfo.xml" "$root/usr/share/metainfo/$id.metainfo.xml"
cmp "$src/assets/icons/ordel.svg" "$root/usr/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 32 48 64 128 256; do
    cmp "$src/assets/icons/hicolor/${size}x${size}/$id.png" \
        "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
done
[ -x "$root/usr/bin/ordel" ] || fail "usr/bin/ordel is not executable"
[[ $(zcat "$root/usr/share/doc/ordel/changelog.gz") == "ordel ($version) "* ]] ||
    fail "the changelog's latest entry is not $version"
quiet appstreamcli validate-tree --no-net "$root"
echo "$(basename "$deb"): ${#expected[@]} files, Depends: $depends"
