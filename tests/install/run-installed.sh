#!/usr/bin/env bash
# Runs the program as the package installs it and has it open its help.
#   run-installed.sh ROOT PROBE HELP_FILE
# ROOT is the unpacked package. In a private mount namespace its usr folder is
# laid over the machine's /usr, so the program sees exactly what it would
# after "dpkg -i": itself in /usr/bin, its files in /usr/share, the machine's
# Qt beside them. Nothing outside the namespace changes. The program is
# started as it is, on the offscreen platform, with help_probe (PROBE)
# preloaded to choose "Tópicos da ajuda"; it passes when the help window
# shows HELP_FILE's text. The package holds no help file beside the program,
# so the help can only come from the data folder built into it.
set -euo pipefail
root=$1 probe=$2 help=$3
[ -x "$root/usr/bin/ordel" ] || { echo "FAIL: no program in $root" >&2; exit 1; }

# As root a mount namespace is enough; anyone else also needs a user
# namespace in which to be root.
ns=(unshare --mount)
[ "$(id -u)" -eq 0 ] || ns=(unshare --map-root-user --mount)

export QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME= QT_STYLE_OVERRIDE=
export ORDEL_PROBE_EXPECT=$help ORDEL_PROBE_LIB=$probe ORDEL_ROOT=$root
timeout 60 "${ns[@]}" sh -ec '
    mount -t overlay ordel-root -o "lowerdir=$ORDEL_ROOT/usr:/usr" /usr
    exec env LD_PRELOAD="$ORDEL_PROBE_LIB" /usr/bin/ordel
'
