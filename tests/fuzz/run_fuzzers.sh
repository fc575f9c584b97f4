#!/usr/bin/env bash
# Runs each fuzz target for a bounded time, starting from its committed seed
# corpus, and fails when any target finds a crash, a failed property, a hang
# or a memory blow-up. Prints the executions of each target and the total.
#
# Usage: tests/fuzz/run_fuzzers.sh FUZZ_BUILD_DIR [SECONDS] [TARGET...]
# Targets: command_line romaji rule_files dictionaries shell (default: all).
set -euo pipefail
build=$(realpath "$1")
seconds=${2:-30}
shift $(( $# > 1 ? 2 : 1 ))
here=$(cd "$(dirname "$0")" && pwd)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(command_line romaji rule_files dictionaries shell)

work="$build/fuzz-runs"
mkdir -p "$work"
total=0
failed=0
for target in "${targets[@]}"; do
  binary="$build/tests/fuzz/fuzz_$target"
  [ -x "$binary" ] || { echo "missing $binary (build the fuzzers target)"; exit 1; }
  corpus="$work/corpus/$target"
  artifacts="$work/artifacts/$target/"
  mkdir -p "$corpus" "$artifacts"
  cp -n "$here/corpus/$target"/* "$corpus"/ 2>/dev/null || true
  log="$work/$target.log"
  # Long enough inputs for lines past the 255-character limit.
  max_len=4096
  [ "$target" = romaji ] && max_len=512
  status=0
  (cd "$work" && "$binary" "$corpus" -max_total_time="$seconds" -max_len="$max_len" \
     -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts") \
     > "$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  runs=${runs:-0}
  total=$((total + runs))
  if [ $status -ne 0 ]; then
    echo "fuzz_$target: FAILED after $runs executions (status $status); see $log"
    grep -E "ERROR|property failed|SUMMARY|Test unit written" "$log" | head -n 20 || true
    failed=1
  else
    echo "fuzz_$target: $runs executions in ${seconds}s, no failure"
  fi
done
echo "fuzzing: $total executions in total"
exit $failed
