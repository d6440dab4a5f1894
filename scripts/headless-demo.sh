#!/usr/bin/env bash
# The headless demo of ./run: what the core does with the bundled example schools.
set -euo pipefail
bin="$1"
cli="$bin/jadvalon-cli"

shopt -s nullglob
examples=("$bin"/misollar/*)
if [ ${#examples[@]} -eq 0 ]; then
  echo "No example schools in $bin/misollar." >&2
  exit 1
fi
for example in "${examples[@]}"; do
  echo "== $(basename "$example")"
  "$cli" info "$example"
  echo
done
