# Shared helpers of the benchmark scripts (sourced, not run).
# RUNS sets the counted runs of each command (5 unless set).

# Wall seconds of one run of the command, its output thrown away.
bench_seconds() {
    local start=$EPOCHREALTIME
    "$@" >/dev/null 2>&1
    local end=$EPOCHREALTIME
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.6f\n", b - a }'
}

# "median M (min A, max B)" of the numbers on standard input.
bench_summary() {
    sort -g | awk '{ v[NR] = $1 } END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "median %.4f (min %.4f, max %.4f)", m, v[1], v[NR]
    }'
}

# bench_compare TITLE AIM NAME_A ARRAY_A NAME_B ARRAY_B
# Runs the two commands (given as names of arrays) in turn, one untimed run of
# each first, and prints both medians and the median of the run-by-run ratios.
bench_compare() {
    local title=$1 aim=$2 name_a=$3 name_b=$5
    local -n command_a=$4 command_b=$6
    local runs=${RUNS:-5} a b i
    local -a times_a=() times_b=() ratios=()
    bench_seconds "${command_a[@]}" >/dev/null
    bench_seconds "${command_b[@]}" >/dev/null
    for ((i = 0; i < runs; i++)); do
        a=$(bench_seconds "${command_a[@]}")
        b=$(bench_seconds "${command_b[@]}")
        times_a+=("$a")
        times_b+=("$b")
        ratios+=("$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.6f\n", a / b }')")
    done
    echo "== $title ($runs runs each, wall seconds)"
    printf '  %-12s %s\n' "$name_a:" "$(printf '%s\n' "${times_a[@]}" | bench_summary)"
    printf '  %-12s %s\n' "$name_b:" "$(printf '%s\n' "${times_b[@]}" | bench_summary)"
    printf '  %-12s %s  (aim: %s)\n' "ratio:" "$(printf '%s\n' "${ratios[@]}" | bench_summary)" "$aim"
}

# Starts the local news service with the given options; sets NEWS_PORT and
# NEWS_PID (the caller stops it).
bench_start_news_service() {
    local folder
    folder=$(mktemp -d)
    python3 "$(dirname "${BASH_SOURCE[0]}")/../tools/news_service.py" --port 0 \
        --port-file "$folder/port" --quiet "$@" &
    NEWS_PID=$!
    for _ in $(seq 100); do [ -s "$folder/port" ] && break; sleep 0.1; done
    NEWS_PORT=$(cat "$folder/port")
    rm -rf "$folder"
}
