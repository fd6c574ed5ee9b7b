#!/usr/bin/env bash
# gkconv beside PROJ's cs2cs on the same file of points (default 10 million
# rows in zone 20, written to /tmp): rows per second and peak memory of both.
# Usage: bench/cli/gkconv_vs_cs2cs.sh [rows] [gkconv binary]
# The goal: gkconv at least 5 times cs2cs's throughput, under 50 MB peak.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
rows=${1:-10000000}
gkconv=${2:-$here/build/native/cli/gkconv}
work=$(mktemp -d /tmp/gkconv-bench-XXXXXX)
trap 'rm -rf "$work"' EXIT
input=$work/points.txt

echo "generating $rows points (zone 20, China's latitudes) in $input" >&2
awk -v n="$rows" 'BEGIN { srand(20); for (i = 0; i < n; i++) printf "%.9f %.9f\n", 114 + 6 * rand(), 18 + 36 * rand() }' >"$input"
size=$(stat -c %s "$input")

# The window's meridian of zone 20 (117 degrees with pi written as 3.14159265).
lon0=$(awk 'BEGIN { printf "%.17g", 117 * 3.14159265 / 3.14159265358979323846 }')

measure() {  # label, then the command; prints "label seconds peak_kb"
    local label=$1; shift
    /usr/bin/time -f "%e %M" -o "$work/time" "$@"
    read -r seconds peak <"$work/time"
    echo "$label $seconds $peak"
}

{
    measure gkconv "$gkconv" to-gauss "$input" -o "$work/gkconv.txt" --no-progress 2>/dev/null
    measure "gkconv(1-thread)" "$gkconv" to-gauss "$input" -o "$work/gkconv1.txt" --threads 1 --no-progress 2>/dev/null
    measure cs2cs sh -c "cs2cs -f %.3f +proj=longlat +ellps=WGS84 +to +proj=tmerc +lon_0=$lon0 +k=1 +x_0=500000 +y_0=0 +ellps=WGS84 <'$input' >'$work/cs2cs.txt'"
} >"$work/results"

# Same points, same answers (to the millimetre the outputs are written with).
paste -d' ' <(cut -d' ' -f4,5 "$work/gkconv.txt") <(tr '\t' ' ' <"$work/cs2cs.txt" | cut -d' ' -f1,2) |
    awk '{ dx = $1 - $3; dy = $2 - $4; if (dx < 0) dx = -dx; if (dy < 0) dy = -dy; if (dx > m) m = dx; if (dy > m) m = dy }
         END { printf "worst difference gkconv - cs2cs: %.4f m\n", m }'

printf '\n%d rows, %.0f MB input, %d cores\n\n' "$rows" "$(echo "$size / 1048576" | bc -l)" "$(nproc)"
printf '| tool | seconds | rows/s | peak memory (MB) |\n|---|---:|---:|---:|\n'
while read -r label seconds peak; do
    awk -v l="$label" -v s="$seconds" -v p="$peak" -v n="$rows" \
        'BEGIN { printf "| %s | %.2f | %.0f | %.1f |\n", l, s, n / s, p / 1024 }'
done <"$work/results"
awk -v n="$rows" '
    $1 == "gkconv" { g = $2 } $1 == "cs2cs" { c = $2 }
    END { printf "\ngkconv / cs2cs throughput: %.1fx\n", c / g }' "$work/results"
