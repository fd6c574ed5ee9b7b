#!/usr/bin/env bash
# Fuzzes the skin engine with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer: the package reader, the options loader, the
# BMP and JPEG decoders and the painting primitives.
#
#   scripts/fuzz.sh [seconds per target] [target ...]
#
# Targets: fuzz_skin_package fuzz_skin_options fuzz_bmp fuzz_jpeg fuzz_skin_paint (default:
# all, one after the other, 600 seconds each). Builds in build/fuzz-clang;
# each target's growing corpus and any crash, leak or timeout input land in
# build/fuzz-clang/work/<target>/. The committed seeds (fuzz/skin/corpus/)
# are read, never written.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/fuzz-clang"
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_skin_package fuzz_skin_options fuzz_bmp fuzz_jpeg fuzz_skin_paint)

declare -A seeds=([fuzz_skin_package]=package [fuzz_skin_options]=options [fuzz_bmp]=bmp [fuzz_jpeg]=jpeg [fuzz_skin_paint]=paint)
# Large enough for the hostile seeds (a 4096 x 4096 bitmap packed in 50 KB,
# thousands of chained sections) and what grows from them.
declare -A maxlen=([fuzz_skin_package]=262144 [fuzz_skin_options]=262144 [fuzz_bmp]=65536 [fuzz_jpeg]=65536 [fuzz_skin_paint]=4096)

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g -O1"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DGK_LIBFUZZER=ON >/dev/null
fi
cmake --build "$build" -j2 --target "${targets[@]}"

status=0
for t in "${targets[@]}"; do
    work="$build/work/$t"
    mkdir -p "$work/corpus"
    echo "== $t: ${seconds}s"
    start=$(date +%s)
    if (cd "$work" && UBSAN_OPTIONS=print_stacktrace=1 "$build/fuzz/skin/$t" \
            -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="${maxlen[$t]}" \
            -print_final_stats=1 -artifact_prefix="$work/" \
            "$work/corpus" "$root/fuzz/skin/corpus/${seeds[$t]}" > "$work/log.txt" 2>&1); then
        result=ok
    else
        result="FAILED (see $work/log.txt)"
        status=1
    fi
    end=$(date +%s)
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/log.txt" | grep -o '[0-9]*$' || echo "?")
    echo "   $result after $((end - start))s, $runs inputs, corpus $(ls "$work/corpus" | wc -l) files"
done
exit $status
