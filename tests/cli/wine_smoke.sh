#!/usr/bin/env bash
# gkconv.exe under Wine: the Beijing point from standard input, and a GBK
# file read through code page 936 and written back to a file in GBK (code
# page 936 again, temporary file renamed with MoveFileExW).
# Usage: wine_smoke.sh GKCONV.EXE DATA_DIR, in the tests' Wine environment
# (CTest sets it: the checkout's own WINEPREFIX, Wine kept quiet).
set -u
exe=$1 data=$2
: "${WINEPREFIX:?set by CTest to the Wine prefix of this checkout}"
wine=wine
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
check() {  # name expected actual
    if [ "$2" == "$3" ]; then
        echo "ok   $1"
    else
        echo "FAIL $1"; echo "  expected: $2"; echo "  actual:   $3"; failed=1
    fi
}

out=$(printf '116.391,39.907\n' | "$wine" "$exe" to-gauss 2>"$work/err" | tr -d '\r')
check "Beijing point to Gauss" "116.391,39.907,20,447924.495,4419380.448," "$out"
out=$(printf '20447924.495 4419380.448\n' | "$wine" "$exe" to-geodetic --angles dms 2>>"$work/err" | tr -d '\r')
check "and back in D/M/S" "20447924.495 4419380.448 116°23'27.60002\" 39°54'25.20001\"" "$out"

"$wine" "$exe" to-gauss "Z:$data/points-gbk.csv" -o "Z:$work/out.csv" --output-encoding gbk 2>>"$work/err"
status=$?
check "GBK file: exit status (one bad row)" 1 "$status"
check "GBK file: no temporary file left" "out.csv" "$(ls "$work" | grep -v '^err$' | tr '\n' ' ' | sed 's/ $//')"
line2=$(iconv -f GBK -t UTF-8 "$work/out.csv" | sed -n 2p | tr -d '\r')
check "GBK file: Tian'anmen row" "天安门,116°23′27.6″,39°54′25.2″,北京,20,447924.495,4419380.448," "$line2"
header=$(iconv -f GBK -t UTF-8 "$work/out.csv" | sed -n 1p | tr -d '\r')
check "GBK file: header" "点号,经度,纬度,备注,zone/带号,easting/东,northing/北,error/错误" "$header"
grep -q "3 rows: 2 converted, 1 failed" "$work/err" || { echo "FAIL summary"; cat "$work/err"; failed=1; }

if [ $failed -eq 0 ]; then echo "gkconv under Wine: all checks passed"; fi
exit $failed
