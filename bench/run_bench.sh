#!/bin/sh
# Whole-process benchmarks: runs the program on the bundled data with scripted
# input, RUNS times per scenario, and prints the median wall time, the median
# user+system time and the median peak resident set size of each.
# Usage: run_bench.sh ZUNOKA_BINARY DATA_DIR BENCH_DIR [RUNS [SCENARIOS]]
# SCENARIOS is a space-separated subset of: startup conj rconj dtest_v dtest_a
set -eu

bin=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
data=$2
bench=$3
runs=${4:-5}
scenarios=${5:-startup conj rconj dtest_v dtest_a}
time_cmd=/usr/bin/time
if [ ! -x "$time_cmd" ]; then
  echo "run_bench.sh: $time_cmd (GNU time) is needed for the peak memory figures" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The scripts typed into the program.
printf 'exit\n' > "$work/startup.in"
awk -F'\t' '{ if ($1 == "a") printf "conj -a \"%s\"\n1\n", $2; else printf "conj -v \"%s\"\n1\n", $2 }' \
  "$bench/conj_words.txt" > "$work/conj.in"
echo exit >> "$work/conj.in"
awk -F'\t' '{ if ($1 == "a") printf "rconj -a \"%s\"\n", $2; else printf "rconj \"%s\"\n", $2 }' \
  "$bench/rconj_forms.txt" > "$work/rconj.in"
echo exit >> "$work/rconj.in"
printf 'dtest -v\nyes\nexit\n' > "$work/dtest_v.in"
printf 'dtest -a\nyes\nexit\n' > "$work/dtest_a.in"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

printf '%-34s %12s %12s %14s\n' "scenario ($runs runs, medians)" "wall ms" "cpu ms" "peak RSS MiB"
for scenario in $scenarios; do
  : > "$work/times"
  i=0
  while [ "$i" -lt "$runs" ]; do
    # Wall time from the nanosecond clock; CPU time (10 ms steps) and peak
    # memory from GNU time.
    start=$(date +%s%N)
    (cd "$data" && "$time_cmd" -f '%U %S %M' -o "$work/one" "$bin" < "$work/$scenario.in" > /dev/null)
    stop=$(date +%s%N)
    echo "$(( (stop - start) / 1000 )) $(cat "$work/one")" >> "$work/times"
    i=$((i + 1))
  done
  wall=$(awk '{ printf "%.1f\n", $1 / 1000 }' "$work/times" | median)
  cpu=$(awk '{ print ($2 + $3) * 1000 }' "$work/times" | median)
  rss=$(awk '{ printf "%.1f\n", $4 / 1024 }' "$work/times" | median)
  case $scenario in
    startup) label="start-up to prompt, exit" ;;
    conj) label="conj -v/-a, $(wc -l < "$bench/conj_words.txt") words, all cases" ;;
    rconj) label="rconj, $(wc -l < "$bench/rconj_forms.txt") forms in one run" ;;
    dtest_v) label="dtest -v (every verb)" ;;
    dtest_a) label="dtest -a (every adjective)" ;;
  esac
  printf '%-34s %12s %12s %14s\n' "$label" "$wall" "$cpu" "$rss"
done
