# Debian packages the project needs, a function that installs the missing
# ones, and one that copies the project's own files. Sourced by scripts/run,
# test, fuzz, package, screenshot, render-icons.sh, test-release,
# windows-qt and windows-package.

# Package names that differ between releases are picked by what the
# release's archive has: the first of the names given that apt knows (or that
# is installed already). Debian 12 keeps Qt's SVG icon engine in libqt6svg6;
# Debian 13 moved it to qt6-svg-plugins.
ordel_pick() {
    local pkg
    for pkg in "$@"; do
        if ordel_installed "$pkg"; then
            echo "$pkg" && return 0
        fi
    done
    # apt-cache knows nothing before the first apt-get update of a new machine
    # (a test, which never reaches the network, takes what apt knows).
    compgen -G '/var/lib/apt/lists/*_Packages' >/dev/null || [ -n "${ORDEL_NO_INSTALL:-}" ] ||
        ordel_apt_update
    for pkg in "$@"; do
        if [ -n "$(apt-cache show --no-all-versions "$pkg" 2>/dev/null)" ]; then
            echo "$pkg" && return 0
        fi
    done
    echo "$1"
}

ordel_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# Runs a command as root: through sudo for a user, as it is for root.
ordel_as_root() {
    if [ "$(id -u)" -ne 0 ]; then sudo "$@"; else "$@"; fi
}

ordel_apt_update() {
    ordel_as_root apt-get update -q >&2
}

ORDEL_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev fonts-dejavu-core)
# Qt's SVG icon engine: the window's icon drawn from its SVG at any size.
ORDEL_BUILD_PACKAGES+=("$(ordel_pick qt6-svg-plugins libqt6svg6)")
ORDEL_TEST_PACKAGES=(libgtest-dev libbenchmark-dev clang-format xvfb xauth time)
# The screen-reader test: a session bus, the accessibility bus and Debian's
# python client for it.
ORDEL_TEST_PACKAGES+=(dbus-daemon dbus-bin at-spi2-core python3-pyatspi)
# The fuzzer (scripts/fuzz): clang and libFuzzer's runtime, each in the
# release's default version.
ORDEL_TEST_PACKAGES+=(clang libclang-rt-dev)
# The package's tests: the freedesktop validators, Debian's package builder and
# checker, readelf, and unshare and mount to run the unpacked package as if
# installed (debian/control's Build-Depends come from
# ordel_install_build_depends); Qt's translations for the window's test.
ORDEL_TEST_PACKAGES+=(desktop-file-utils appstream dpkg-dev debhelper lintian binutils util-linux
                      mount qt6-translations-l10n)

# Ordel for Windows (scripts/windows-qt, windows-package, test-windows):
# Debian's MinGW-w64, Qt's host tools of the same version as the Qt built
# from Debian's source (dpkg-source unpacks it), GoogleTest's source, Wine to
# run the tests and the program, NSIS for the installer, zip and unzip for the
# portable folder, Xvfb, xdotool and ImageMagick's import for the installed program's
# window, and Qt's Portuguese catalogue, which goes with the program.
ORDEL_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix qt6-base-dev-tools dpkg-dev perl ninja-build
                        wine64 nsis zip unzip xvfb xauth xdotool imagemagick qt6-translations-l10n
                        libgtest-dev)

# With ORDEL_NO_INSTALL set (as the tests set it), a missing package is an
# error instead: a test never installs anything.
ordel_install_missing() {
    local missing=() pkg
    for pkg in "$@"; do
        ordel_installed "$pkg" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ -n "${ORDEL_NO_INSTALL:-}" ]; then
        echo "Missing: ${missing[*]}" >&2
        return 1
    fi
    echo "Installing: ${missing[*]}"
    ordel_apt_update
    ordel_as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Installs what debian/control's Build-Depends name and this machine lacks, as
# dpkg-checkbuilddeps reports it (without the versions, which apt picks). Of
# alternatives ("a | b": the releases' names of one package) it installs the
# first that this release's apt knows.
ordel_install_build_depends() {
    local unmet word alternatives=() wanted=() either=false
    # Debian 12 says "Unmet", Debian 13 "unmet"; build-essential comes as
    # "build-essential:native".
    unmet=$(dpkg-checkbuilddeps 2>&1 | sed -n 's/.*unmet build dependencies: //Ip' |
        sed 's/([^)]*)//g; s/:native//g') || true
    # The last word, no package's name, ends the last group of alternatives.
    for word in $unmet "|end"; do
        if [ "$word" = "|" ]; then
            either=true
        elif $either; then
            alternatives+=("$word") && either=false
        else
            [ ${#alternatives[@]} -eq 0 ] || wanted+=("$(ordel_pick "${alternatives[@]}")")
            alternatives=("$word")
        fi
    done
    [ ${#wanted[@]} -eq 0 ] || ordel_install_missing "${wanted[@]}"
}

# Copies the project's own files, and nothing else, from the current folder
# into the one named: never the working folder as a whole, which may hold
# build folders of any name and whatever else a developer left there. In a
# clone, the files git tracks and the new ones in the project's folders; from
# a tarball, those folders.
#   ordel_copy_sources DEST
ordel_copy_sources() {
    local own=(.ci .clang-format .gitignore CMakeLists.txt LICENSE README.md app assets bench board
               cmake debian docs exercises fuzz man scripts tests)
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        { git ls-files -z -c; git ls-files -z -o --exclude-standard -- "${own[@]}"; } |
            while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done
    else
        find "${own[@]}" -type f -print0
    fi | tar --null -T - -cf - | tar -C "$1" -xf -
}
