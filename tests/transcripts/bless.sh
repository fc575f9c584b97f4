#!/usr/bin/env bash
# Writes the current output of a scenario as its expected transcript.
# Read the result against the design before committing it.
# Usage: tests/transcripts/bless.sh build/zunoka tests/transcripts/cases/NAME
set -eu
binary=$(realpath "$1")
case_dir=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data_set=small
[ -f "$case_dir/data" ] && data_set=$(tr -d '[:space:]' < "$case_dir/data")
case $data_set in
  none) ;;
  bundled) cp "$here"/../../data/*.dat "$work"/ ;;
  *) cp -R "$here/data/$data_set"/. "$work"/ ;;
esac
[ -d "$case_dir/files" ] && cp -R "$case_dir/files"/. "$work"/
if [ -f "$case_dir/remove" ]; then
  while IFS= read -r name; do [ -n "$name" ] && rm -f "$work/$name"; done < "$case_dir/remove"
fi
[ -f "$case_dir/setup.sh" ] && (cd "$work" && bash "$case_dir/setup.sh")
input=/dev/null
[ -f "$case_dir/input" ] && input="$case_dir/input"
(cd "$work" && "$binary" < "$input" > "$case_dir/expected")
echo "wrote $case_dir/expected"
