#!/usr/bin/env bash
# The headless demo of ./run: what the core does with the bundled example schools. Each is shown,
# its timetable generated (with the summary printed) and checked, and its class, teacher and room
# timetables written as an HTML page, an Excel workbook and a Word document.
set -euo pipefail
bin="$1"
cli="$bin/jadvalon-cli"

shopt -s nullglob
examples=("$bin"/misollar/*)
if [ ${#examples[@]} -eq 0 ]; then
  echo "No example schools in $bin/misollar." >&2
  exit 1
fi

reports="$bin/temp/demo-reports"
mkdir -p "$reports"
for example in "${examples[@]}"; do
  name="$(basename "${example%.*}")"
  echo "== $name"
  "$cli" info "$example"
  echo
  echo "-- generating the timetable (level 3, rooms considered)"
  scheduled="$reports/$name.jdn"
  "$cli" generate "$example" -o "$scheduled" --level 3 --seed 1
  echo
  echo "-- checking it"
  "$cli" check "$scheduled"
  for kind in classes teachers rooms; do
    for format in html xlsx docx; do
      "$cli" report "$scheduled" --kind "$kind" --layout separate --times --second --third \
        --short-third --approval --format "$format" -o "$reports/${name}_$kind.$format"
    done
  done
  echo
done
echo "Class, teacher and room timetables (HTML, XLSX, DOCX): $reports"
