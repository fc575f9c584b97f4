#!/usr/bin/env bash
# Writes the current output of a scenario as its expected transcript.
# Read the result line by line before committing it.
# Usage: tests/transcripts/bless.sh build/zunoka tests/transcripts/cases/NAME
set -u
here=$(cd "$(dirname "$0")" && pwd)
BLESS=1 "$here/run_transcript.sh" "$(realpath "$1")" "$(realpath "$2")" "$here/data" | head -n 1
