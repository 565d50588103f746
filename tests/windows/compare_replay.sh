#!/usr/bin/env bash
# compare_replay.sh HOST_REPLAY EMULATOR WINDOWS_REPLAY SCRIPT...
# Runs every script through both programs and fails on the first difference of their JSON
# (CR LF read as LF), showing where the two part.
set -euo pipefail
host=$1 emulator=$2 windows=$3
shift 3
[ $# -gt 0 ] || { echo "no replay scripts given" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for script in "$@"; do
  name="$(basename "$script" .replay)"
  QT_QPA_PLATFORM=offscreen "$host" "$script" >"$work/$name.linux.json" 2>"$work/$name.linux.err"
  QT_QPA_PLATFORM=offscreen "$emulator" "$windows" "$script" 2>"$work/$name.windows.err" \
    | tr -d '\r' >"$work/$name.windows.json"
  dumps=$(wc -l <"$work/$name.linux.json")
  if cmp -s "$work/$name.linux.json" "$work/$name.windows.json" && [ "$dumps" -gt 0 ]; then
    echo "same: $name ($dumps snapshots, $(wc -c <"$work/$name.linux.json") bytes)"
  else
    echo "DIFFERENT: $name" >&2
    cat "$work/$name.windows.err" >&2
    diff <(tr ',' '\n' <"$work/$name.linux.json") <(tr ',' '\n' <"$work/$name.windows.json") \
      | head -n 20 >&2 || true
    status=1
  fi
done
exit $status
