#!/usr/bin/env bash
# Times the text file reader (bench_read_text_file) on a 100 MB file of ANSI
# lines against `cat FILE >/dev/null`, and prints both medians and the median
# of the run-by-run ratios. The aim is a reader at most 5 times slower than cat.
#
# Usage: bench/reader.sh [BUILD_DIR]      (default: build; RUNS=7 by default)
#
# Whole-process wall times, the two commands taking turns so that a machine
# whose speed drifts affects both alike; one untimed run of each comes first
# so that the file is in the page cache.
set -euo pipefail
export LC_ALL=C

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
reader=$build/bench/bench_read_text_file
runs=${RUNS:-7}
if [[ ! -x $reader ]]; then
    echo "no $reader: build the bench_read_text_file target first" >&2
    exit 2
fi

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
file=$folder/lines.txt
# 1,000,000 lines of 98 ASCII characters and CR LF: 100,000,000 bytes.
awk 'BEGIN {
    pad = sprintf("%090d", 0); gsub(/0/, "x", pad)
    for (i = 0; i < 1000000; i++) printf "%07d %s\r\n", i, pad
}' >"$file"

lines=$("$reader" "$file")
if [[ $lines != 1000000 ]]; then
    echo "the reader counted $lines lines, not 1000000" >&2
    exit 1
fi

source "$here/lib.sh"
read_command=("$reader" "$file")
cat_command=(cat "$file")
echo "file: $(stat -c %s "$file") bytes, $lines lines"
RUNS=$runs bench_compare "text file reader, 100 MB" "at most 5" reader read_command cat cat_command
if [[ -x /usr/bin/time ]]; then
    peak=$(/usr/bin/time -f %M "$reader" "$file" 2>&1 >/dev/null | tail -1)
    echo "reader peak memory: $((peak / 1024)) MiB"
fi
