#!/bin/sh
# Regenerates the rule files from tools/grammar and checks that the committed
# ones in data/ are byte for byte the same.
# usage: check_generated.sh <generate_grammar> <source dir>
set -e
gen=$1
src=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$gen" "$src/tools/grammar" "$src/tools/grammar/edict_class_lists.txt" "$out"
status=0
for f in Rules_Verbs.dat Rules_Adj.dat Rules_VClass.dat; do
  if ! cmp -s "$out/$f" "$src/data/$f"; then
    echo "data/$f differs from what tools/grammar generates; run make grammar"
    status=1
  fi
done
exit $status
