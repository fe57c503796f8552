#!/usr/bin/env bash
# Prints the libFuzzer option that gives a fuzz target the words of its
# format (tag words, property names, keywords), or nothing.
set -euo pipefail
dir="$(dirname "$0")/../fuzz/dict"
case "$1" in
  holiday_file|style_file|sign_area_file) echo "-dict=$dir/xml.dict" ;;
  object_text|object_clipboard|row_clipboard|project_archive) echo "-dict=$dir/object_text.dict" ;;
  ical_holidays) echo "-dict=$dir/ics.dict" ;;
esac
