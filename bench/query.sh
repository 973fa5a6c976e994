#!/usr/bin/env bash
# One query's own cost: the program's query (curl, ansifilter, reading and
# cutting the listing, the rows, the counters; balloons and waits taking no
# time) against the same curl and ansifilter commands run from a shell, both
# on the same twenty-article answer of the local news service, 20 queries.
#
#     bench/query.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/lib.sh
build=${1:-build}
queries=20

bench_start_news_service --mode fixture --fixture tests/fixtures/news-listings/05-twenty.ans
work=$(mktemp -d)
trap 'rm -rf "$work"; kill "$NEWS_PID" 2>/dev/null || true' EXIT

program=(env QT_QPA_PLATFORM=offscreen "$build/bench/bench_query" "localhost:$NEWS_PORT" "$queries")
shell=(sh -c 'for i in $(seq "$1"); do
    curl --globoff --max-time 60 --max-filesize 4194304 "localhost:$2" --output "$3/message.txt"
    ansifilter -c -i "$3/message.txt" -o "$3/clean.txt"
    rm -f "$3/message.txt" "$3/clean.txt"
done' sh "$queries" "$NEWS_PORT" "$work")
bench_compare "$queries queries, program against shell" "at most 1.3" program program shell shell
