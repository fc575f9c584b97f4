#!/usr/bin/env bash
# Runs one transcript scenario: the real binary, in a fresh temporary working
# directory, fed a scripted standard input; the whole standard output must
# equal the expected transcript byte for byte, and the exit status must be 0.
#
# A scenario folder holds:
#   input           standard input (may be absent: empty input)
#   expected        the expected standard output
#   data            optional: name of the data set under the data folder to
#                   copy into the working directory ("small" by default,
#                   "none" for an empty directory, "bundled" for data/)
#   files/          optional: files copied over the data set
#   remove          optional: names of files to delete before the run
#   setup.sh        optional: run in the working directory before the program
#   expected_files/ optional: files the run must leave, compared byte for byte
#   absent          optional: names of files the run must not leave
#   listing         optional: every name the run must leave, as `ls -A` lists
#                   them (the runner's own .stdout aside)
#   check.sh        optional: run in the working directory afterwards; a
#                   non-zero status fails the scenario (say why on stdout)
#
# With BLESS=1 in the environment the output is written as the new expected
# transcript instead (read it line by line before committing).
set -u
binary=$1
case_dir=$2
data_root=$3
repo_root=$(cd "$data_root/../../.." && pwd)

work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT

data_set=small
[ -f "$case_dir/data" ] && data_set=$(tr -d '[:space:]' < "$case_dir/data")
case $data_set in
  none) ;;
  bundled) cp "$repo_root"/data/*.dat "$work"/ ;;
  *) cp -R "$data_root/$data_set"/. "$work"/ ;;
esac
[ -d "$case_dir/files" ] && cp -R "$case_dir/files"/. "$work"/
if [ -f "$case_dir/remove" ]; then
  while IFS= read -r name; do [ -n "$name" ] && rm -f "$work/$name"; done < "$case_dir/remove"
fi
if [ -f "$case_dir/setup.sh" ]; then
  (cd "$work" && bash "$case_dir/setup.sh") || { echo "setup failed"; exit 1; }
fi

input=/dev/null
[ -f "$case_dir/input" ] && input="$case_dir/input"
(cd "$work" && timeout 60 "$binary" < "$input" > "$work/.stdout")
status=$?
if [ "${BLESS:-0}" = 1 ]; then
  cp "$work/.stdout" "$case_dir/expected"
  echo "wrote $case_dir/expected"
fi
failed=0
if [ $status -ne 0 ]; then
  echo "exit status $status (expected 0)"
  failed=1
fi
if ! cmp -s "$work/.stdout" "$case_dir/expected"; then
  echo "standard output differs from $case_dir/expected:"
  diff -a -u "$case_dir/expected" "$work/.stdout" | head -n 80
  failed=1
fi
if [ -d "$case_dir/expected_files" ]; then
  for expected_file in "$case_dir/expected_files"/*; do
    name=$(basename "$expected_file")
    if ! cmp -s "$expected_file" "$work/$name"; then
      echo "file $name differs from expected (or is missing)"
      failed=1
    fi
  done
fi
if [ -f "$case_dir/absent" ]; then
  while IFS= read -r name; do
    if [ -n "$name" ] && [ -e "$work/$name" ]; then
      echo "file $name should not exist"
      failed=1
    fi
  done < "$case_dir/absent"
fi
if [ -f "$case_dir/listing" ]; then
  listed=$(cd "$work" && LC_ALL=C ls -A | grep -vx '.stdout')
  if ! diff -u "$case_dir/listing" <(printf '%s\n' "$listed"); then
    echo "the working directory holds other names than $case_dir/listing"
    failed=1
  fi
fi
if [ -f "$case_dir/check.sh" ]; then
  (cd "$work" && bash "$case_dir/check.sh") || { echo "check.sh failed"; failed=1; }
fi
exit $failed
