#!/usr/bin/env bash
# The input folders of a fuzz target, one word each: first the corpus that fuzzing grew (kept
# minimised in fuzz/corpus/<target>), then the seeds that never change: hand-made files in
# fuzz/seeds/<target>, and the files the program's own tests and examples hold.
# Usage: fuzz/corpora.sh TARGET   (run from the repository's top folder)
set -euo pipefail
t=$1
dirs="fuzz/corpus/$t fuzz/seeds/$t"
case "$t" in
  document) dirs="$dirs tests/hostile tests/golden examples" ;;
  language) dirs="$dirs languages" ;;
esac
echo $dirs
