#!/usr/bin/env bash
# Times the keyword import and the results export in a Release build:
#   - importing a 1,000,000-line UTF-8 keyword file, against wc -l on it,
#     with the memory the filled list holds;
#   - saving 100,000 results rows, against cp of a file of the same size,
#     with the longest time the window went unanswered meanwhile.
# Each command runs RUNS times (5 unless set) after one warm-up; the medians
# of the wall times and their ratio are printed.
#
#     bench/keywords.sh [BUILD_FOLDER]      (default: build-kw-rel)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-kw-rel}
runs=${RUNS:-5}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTIDEWICK_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target bench_import_keywords bench_export_results >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Wall time of one run of the command, in milliseconds.
wall_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}

# The median of RUNS runs after one warm-up, in milliseconds with three
# decimals.
median_ms() {
    local times=()
    "$@" >/dev/null 2>&1
    for _ in $(seq "$runs"); do
        times+=("$(wall_ms "$@")")
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "%.3f", t[int((NR + 1) / 2)] / 1000 }'
}

compare() {
    local label=$1 ours=$2 reference=$3
    awk -v l="$label" -v a="$ours" -v b="$reference" \
        'BEGIN { printf "%-40s %10.3f ms %10.3f ms   ratio %.1f\n", l, a, b, (b > 0 ? a / b : 0) }'
}

echo "== import of 1,000,000 keywords (UTF-8 with mark, CR LF) =="
keywords=$work/keywords.txt
awk 'BEGIN { printf "\357\273\277"; for (i = 0; i < 1000000; i++) printf "keyword %d K\320\270\321\227\320\262\r\n", i }' \
    >"$keywords"
ls -l "$keywords" | awk '{ print "file:", $5, "bytes" }'
"$build/bench/bench_import_keywords" "$keywords" 2>/dev/null
ours=$(median_ms "$build/bench/bench_import_keywords" "$keywords")
reference=$(median_ms wc -l "$keywords")
printf '%-40s %13s %13s\n' "" "import" "wc -l"
compare "median wall time" "$ours" "$reference"

echo
echo "== save of 100,000 results rows =="
saved=$work/results.txt
"$build/bench/bench_export_results" "$saved" 100000 2>/dev/null
ours=$(median_ms "$build/bench/bench_export_results" "$saved" 100000)
reference=$(median_ms cp "$saved" "$work/copy.txt")
printf '%-40s %13s %13s\n' "" "save" "cp"
compare "median wall time" "$ours" "$reference"
