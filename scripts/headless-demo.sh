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

# Timetables of every example as a school would print them: generated first, then written as an
# HTML page, an Excel workbook and a Word document per kind.
reports="$bin/temp/demo-reports"
mkdir -p "$reports"
for example in "${examples[@]}"; do
  name="$(basename "${example%.*}")"
  scheduled="$reports/$name.nol"
  "$cli" generate "$example" -o "$scheduled" --tiebreak first > /dev/null
  for kind in classes teachers rooms; do
    for format in html xlsx docx; do
      "$cli" report "$scheduled" --kind "$kind" --layout separate --times --second --third --short-third \
        --approval --format "$format" -o "$reports/${name}_$kind.$format"
    done
  done
done
echo "Class, teacher and room timetables (HTML, XLSX, DOCX): $reports"
