#!/bin/sh
# Start-up to the first painted frame, and peak memory, of the program's
# window against a bare Qt main window with one menu bar, both started the
# same way on the offscreen platform, taking turns, N times each.
#
#   bench/startup.sh BUILD/bench [N]
#
# Prints, for each, the median, lowest and highest wall time (ms) and peak
# resident memory (KiB), then the ratios of the medians.
set -eu

dir=${1:?usage: startup.sh BUILD/bench [N]}
n=${2:-20}
export QT_QPA_PLATFORM=offscreen
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# One start: "<ms> <KiB>" appended to $tmp/<name>.
run() {
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "$tmp/rss" "$dir/first_frame_$1" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(((end - start) / 1000)) $(cat "$tmp/rss")" >>"$tmp/$1"
}

# A first start of each, not counted: it brings the files into the cache.
run bare
run ordel
rm -f "$tmp/bare" "$tmp/ordel"
i=0
while [ "$i" -lt "$n" ]; do
    run bare
    run ordel
    i=$((i + 1))
done

# "median lowest highest" of column $2 of file $1.
stats() {
    cut -d' ' -f"$2" "$1" | sort -n |
        awk '{ v[NR] = $1 } END { printf "%s %s %s\n", v[int((NR + 1) / 2)], v[1], v[NR] }'
}

set -- $(stats "$tmp/bare" 1) $(stats "$tmp/bare" 2) $(stats "$tmp/ordel" 1) $(stats "$tmp/ordel" 2)
awk -v n="$n" -v bt="$1" -v btl="$2" -v bth="$3" -v bm="$4" -v bml="$5" -v bmh="$6" \
    -v ot="$7" -v otl="$8" -v oth="$9" -v om="${10}" -v oml="${11}" -v omh="${12}" 'BEGIN {
    printf "%d starts each      time ms: median (low-high)   peak memory KiB: median (low-high)\n", n
    printf "bare main window   %8.1f (%.1f-%.1f)        %7d (%d-%d)\n", bt/1000, btl/1000, bth/1000, bm, bml, bmh
    printf "Ordel              %8.1f (%.1f-%.1f)        %7d (%d-%d)\n", ot/1000, otl/1000, oth/1000, om, oml, omh
    printf "ratio (goal <= 1.15) time %.2f   memory %.2f\n", ot/bt, om/bm
}'
